#include <gtest/gtest.h>
#include "common/PowerClass.h"
#include "common/tests/ProgramFolderScope.h"
#include "framework/testkit/RecordingWrites.h"
#include "tests/support/TempFolder.h"

namespace {
class Settings : public testing::Test {
protected:
    void WriteConfig(const std::string& bytes) { files::Write(folder / _T("config.ini"), bytes); }
    std::string Config() const { return files::Read(folder / _T("config.ini")); }

    TempFolder folder;
    ProgramFolderScope scope{folder.Path()};
    PowerClass power;
};
}

TEST_F(Settings, ReadTakesTheLineAfterTheKeyAndTheLastOccurrenceWins) {
    WriteConfig("Product ID\r\nvs\r\nLanguage\r\n[1031]\r\nLanguage\r\n[1036]\r\n");
    EXPECT_EQ(power.ReadSetting(_T("Product ID")), _T("vs"));
    EXPECT_EQ(power.ReadSetting(_T("Language")), _T("[1036]"));
    EXPECT_EQ(power.ReadSetting(_T("language")), _T(""));   // case counts
    EXPECT_EQ(power.ReadSetting(_T("Homepage")), _T(""));
}

TEST_F(Settings, ValueLineIsNeverTakenAsAKey) {
    WriteConfig("Language\r\nLanguage\r\n");
    EXPECT_EQ(power.ReadSetting(_T("Language")), _T("Language"));
    EXPECT_TRUE(power.WriteSetting(_T("Language"), _T("[1033]")));
    EXPECT_EQ(Config(), "Language\r\n[1033]\r\n");
}

TEST_F(Settings, KeyOnTheLastLineReadsEmptyAndIsNotWritten) {
    WriteConfig("Language\r\n[1031]\r\nLanguage");
    EXPECT_EQ(power.ReadSetting(_T("Language")), _T(""));
    EXPECT_TRUE(power.WriteSetting(_T("Language"), _T("[1033]")));
    EXPECT_EQ(Config(), "Language\r\n[1033]\r\nLanguage\r\n");
}

TEST_F(Settings, LineFeedOnlyFilesAreReadAndWrittenBackWithCrLf) {
    WriteConfig("Homepage\nold\nLanguage\n[1031]\n");
    EXPECT_EQ(power.ReadSetting(_T("Language")), _T("[1031]"));
    EXPECT_TRUE(power.WriteSetting(_T("Homepage"), _T("new")));
    EXPECT_EQ(Config(), "Homepage\r\nnew\r\nLanguage\r\n[1031]\r\n");
}

TEST_F(Settings, WriteOfAnAbsentKeyKeepsTheLines) {
    WriteConfig("Language\r\n[1031]\r\n");
    EXPECT_TRUE(power.WriteSetting(_T("Homepage"), _T("x")));
    EXPECT_EQ(Config(), "Language\r\n[1031]\r\n");
    EXPECT_EQ(files::List(folder.Path()), tstrings{_T("config.ini")});   // no temp file left
}

TEST_F(Settings, EightBitCharactersKeepTheirCodes) {
    WriteConfig("Homepage\r\n\xE9t\xE9\r\n");
    EXPECT_EQ(power.ReadSetting(_T("Homepage")), _T("\xE9t\xE9"));
    EXPECT_TRUE(power.WriteSetting(_T("Homepage"), _T("\xFC\xDF")));
    EXPECT_EQ(Config(), "Homepage\r\n\xFC\xDF\r\n");
}

#ifdef UNICODE
TEST_F(Settings, WideCharactersBeyondEightBitsAreWrittenAsQuestionMarks) {
    WriteConfig("Homepage\r\nx\r\n");
    EXPECT_TRUE(power.WriteSetting(_T("Homepage"), L"a\x20AC" L"b"));
    EXPECT_EQ(Config(), "Homepage\r\na?b\r\n");
}
#endif

TEST_F(Settings, MissingFileReadsEmptyAndIsNotCreated) {
    EXPECT_EQ(power.ReadSetting(_T("Language")), _T(""));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND),
              power.WriteSetting(_T("Language"), _T("[1033]")).error);
    EXPECT_TRUE(files::List(folder.Path()).empty());
}

TEST_F(Settings, FailedReplaceLeavesTheFileWholeAndSaysSo) {
    WriteConfig("Language\r\n[1031]\r\n");
    // Another reader that allows reading only: the file can be read but not replaced.
    HANDLE reader = CreateFile((folder / _T("config.ini")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    // Windows answers either of the two, depending on its version.
    const DWORD error = power.WriteSetting(_T("Language"), _T("[1033]")).error;
    EXPECT_TRUE(error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) << error;
    CloseHandle(reader);
    EXPECT_EQ(Config(), "Language\r\n[1031]\r\n");
    EXPECT_EQ(files::List(folder.Path()), tstrings{_T("config.ini")});
}

// The new file is on the disk before it takes the old one's place; when it
// cannot be made durable the old one stays.
TEST_F(Settings, TheNewFileIsFlushedBeforeItReplacesTheOldOne) {
    const struct {
        bool failFlush;
        tstrings calls;
        DWORD error;
        std::string config;
    } rows[] = {
        {false, {_T("flush config.ini.new"), _T("replace config.ini.new config.ini")},
         ERROR_SUCCESS, "Language\r\n[1033]\r\n"},
        {true, {_T("flush config.ini.new")}, ERROR_DISK_FULL, "Language\r\n[1031]\r\n"},
    };
    for (const auto& row : rows) {
        WriteConfig("Language\r\n[1031]\r\n");
        RecordingWrites writes;
        writes.flushError = row.failFlush ? ERROR_DISK_FULL : ERROR_SUCCESS;
        EXPECT_EQ(row.error, power.WriteSetting(_T("Language"), _T("[1033]")).error);
        EXPECT_EQ(row.calls, writes.calls);
        EXPECT_EQ(row.config, Config());
        EXPECT_EQ(files::List(folder.Path()), tstrings{_T("config.ini")});
    }
}

TEST_F(Settings, ModuleSettingGoesToTheSubFolder) {
    WriteConfig("Language\r\n[1031]\r\n");
    ASSERT_TRUE(CreateDirectory((folder / _T("Prefkeeper")).c_str(), nullptr));
    files::Write(folder / _T("Prefkeeper\\config.ini"), "Language\r\n[1031]\r\n");
    EXPECT_TRUE(power.WriteModuleSetting(_T("\\Prefkeeper"), _T("Language"), _T("[1036]")));
    EXPECT_EQ(files::Read(folder / _T("Prefkeeper\\config.ini")), "Language\r\n[1036]\r\n");
    EXPECT_EQ(Config(), "Language\r\n[1031]\r\n");

    EXPECT_FALSE(power.WriteModuleSetting(_T("\\Shredwell"), _T("Language"), _T("[1036]")));
    EXPECT_FALSE(files::Exists(folder / _T("Shredwell")));
}
