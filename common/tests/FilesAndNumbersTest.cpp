#include <gtest/gtest.h>
#include "common/PowerClass.h"
#include "common/tests/ProgramFolderScope.h"
#include "tests/support/TempFolder.h"
#include <shlwapi.h>

TEST(ProgramFolder, IsThePathCutAtItsLastBackslash) {
    EXPECT_EQ(PowerClass::FolderOfPath(_T("C:\\Tools\\App.exe")), _T("C:\\Tools"));
    EXPECT_EQ(PowerClass::FolderOfPath(_T("C:\\App.exe")), _T("C:"));
    EXPECT_EQ(PowerClass::FolderOfPath(_T("App.exe")), _T(""));
    tstring deep = _T("D:");
    for (int i = 0; i < 40; ++i) deep += _T("\\folder") + tstring(1, static_cast<TCHAR>(_T('a') + i % 26));
    ASSERT_GT(deep.size(), 260u);
    EXPECT_EQ(PowerClass::FolderOfPath(deep + _T("\\Slicewise.exe")), deep);
}

TEST(ProgramFolder, IsTheExecutablesFolderUnlessOverridden) {
    TCHAR exe[4096];
    ASSERT_GT(GetModuleFileName(nullptr, exe, 4096), 0u);
    PathRemoveFileSpec(exe);
    PowerClass power;
    {
        TempFolder folder;
        ProgramFolderScope scope(folder.Path());
        EXPECT_EQ(power.GetProgramFolder(), folder.Path());
    }
    EXPECT_EQ(power.GetProgramFolder(), tstring(exe));
}

TEST(Files, ExistenceAndSize) {
    TempFolder folder;
    files::Write(folder / _T("five.bin"), "12345");
    EXPECT_TRUE(PowerClass::FileExists(folder / _T("five.bin")));
    EXPECT_EQ(PowerClass::FileSize(folder / _T("five.bin")), 5u);
    EXPECT_FALSE(PowerClass::FileExists(folder / _T("none.bin")));
    EXPECT_EQ(PowerClass::FileSize(folder / _T("none.bin")), 0u);
}

TEST(Files, SizeBeyondFourGigabytes) {
    TempFolder folder;
    const tstring path = folder / _T("big.bin");
    HANDLE file = CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 0x100000005LL;   // sparse on the host: takes no room
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(PowerClass::FileSize(path), 0x100000005ULL);
}

TEST(Files, HasLineComparesWholeLinesExactly) {
    TempFolder folder;
    files::Write(folder / _T("trl.ini"), "[1031]\r\n00001 Hallo\r\n[EOL]\n[1033]");
    EXPECT_TRUE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("[1031]")));
    EXPECT_TRUE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("[EOL]")));
    EXPECT_TRUE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("[1033]")));
    EXPECT_FALSE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("[1036]")));
    EXPECT_FALSE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("00001")));
    EXPECT_FALSE(PowerClass::FileHasLine(folder / _T("trl.ini"), _T("[eol]")));
    EXPECT_FALSE(PowerClass::FileHasLine(folder / _T("none.ini"), _T("")));
}

TEST(TextFile, SplitsCrLfAndLfAndKeepsEmptyLines) {
    TempFolder folder;
    files::Write(folder / _T("a.txt"), "one\r\n\r\ntwo\nthree\r\n");
    tstrings lines;
    ASSERT_TRUE(textfile::ReadLines(folder / _T("a.txt"), lines));
    EXPECT_EQ(lines, (tstrings{_T("one"), _T(""), _T("two"), _T("three")}));
    EXPECT_FALSE(textfile::ReadLines(folder / _T("none.txt"), lines));
    EXPECT_TRUE(lines.empty());
}

// Saved as "Unicode" or "UTF-8" by an editor, a file reads as the same
// lines as its 8-bit form.
TEST(TextFile, ByteOrderMarksChooseTheEncodingAndAreSkipped) {
    const std::string latin1 = "[1031]\r\n00001 W\xE4hlen\nend";
    std::string utf16 = "\xFF\xFE";
    for (char c : latin1) utf16 += std::string{c, '\0'};
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"8-bit", latin1},
                 {"UTF-8 with its mark", "\xEF\xBB\xBF[1031]\r\n00001 W\xC3\xA4hlen\nend"},
                 {"UTF-16LE with its mark", utf16},
                 {"UTF-16LE, odd last byte", utf16 + "x"}};
    for (const auto& test : cases)
        EXPECT_EQ(textfile::DecodeLines(test.bytes),
                  (tstrings{_T("[1031]"), _T("00001 W\xE4hlen"), _T("end")}))
            << test.name;
}

TEST(Numbers, ParseDecimalIsPositional) {
    EXPECT_EQ(PowerClass::ParseDecimal(_T("00012")), 12);
    EXPECT_EQ(PowerClass::ParseDecimal(_T("0 012")), 12);
    EXPECT_EQ(PowerClass::ParseDecimal(_T("1a2")), 102);
    EXPECT_EQ(PowerClass::ParseDecimal(_T("-5")), 5);
    EXPECT_EQ(PowerClass::ParseDecimal(_T("")), 0);
    EXPECT_EQ(PowerClass::ParseDecimal(_T("99999")), 99999);
    // 99999999999 wraps at 32 bits
    EXPECT_EQ(PowerClass::ParseDecimal(_T("99999999999")), 1215752191);
}

TEST(Numbers, ParseHexKnowsLowercaseDigitsOnly) {
    EXPECT_EQ(PowerClass::ParseHex(_T("0407")), 1031);
    EXPECT_EQ(PowerClass::ParseHex(_T("040c")), 1036);
    EXPECT_EQ(PowerClass::ParseHex(_T("040C")), 1024);
    EXPECT_EQ(PowerClass::ParseHex(_T("ffffffff")), -1);
}

TEST(Numbers, PadWithZeros) {
    EXPECT_EQ(PowerClass::PadWithZeros(_T("7"), 5), _T("00007"));
    EXPECT_EQ(PowerClass::PadWithZeros(_T(""), 5), _T("00000"));
    EXPECT_EQ(PowerClass::PadWithZeros(_T("12345"), 5), _T("12345"));
    EXPECT_EQ(PowerClass::PadWithZeros(_T("123456"), 5), _T("123456"));
}
