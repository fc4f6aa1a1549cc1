// The real Slicewise.exe in a staged program folder, driven from this
// process as a user would: it divides a real file and merges the parts back
// through the real open-file dialog.
#include "tests/support/ProgramWindows.h"
#include "tests/support/StagedProgram.h"
#include <gtest/gtest.h>

using namespace program;

namespace {
const int kSourcePath = 1000, kOutputFolder = 1002, kSize1Mb = 1009, kDivide = 1013,
          kMerge = 1014, kStatus = 1019;

std::string Pattern(size_t count) {
    std::string bytes(count, '\0');
    unsigned value = 2463534242u;
    for (char& byte : bytes) {
        value ^= value << 13;
        value ^= value >> 17;
        value ^= value << 5;
        byte = static_cast<char>(value);
    }
    return bytes;
}

class SlicewiseProgram : public ::testing::Test {
protected:
    void SetUp() override {
        window = slicewise.Start("[1033]");
        ASSERT_NE(nullptr, window);
    }

    // The next message box of the window: its text; it is answered with OK.
    tstring AnswerMessage() const { return program::AnswerMessage(slicewise.Id(), window); }
    void Type(int id, const tstring& text) {
        SendMessage(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Press(int id) const { program::Press(window, id); }

    StagedProgram slicewise{SLICEWISE_EXE, SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    TempFolder data;
    HWND window = nullptr;
};
}  // namespace

TEST_F(SlicewiseProgram, DividesAFileAndMergesItBackByteForByte) {
    const std::string source = Pattern(3 << 20);   // three full 1 MB parts and an empty fourth
    files::Write(data / _T("big.bin"), source);
    CreateDirectory((data / _T("out")).c_str(), nullptr);

    Type(kSourcePath, data / _T("big.bin"));
    Type(kOutputFolder, data / _T("out\\..."));
    SendMessage(GetDlgItem(window, kSize1Mb), BM_CLICK, 0, 0);
    Press(kDivide);
    EXPECT_EQ(_T("The file has been divided."), AnswerMessage());
    EXPECT_EQ(_T(""), TextOf(GetDlgItem(window, kStatus)));
    for (int part = 1; part <= 3; ++part) {
        TCHAR name[40];
        wsprintf(name, _T("out\\big.bin.%05d.vtrl"), part);
        EXPECT_TRUE(files::Read(data / name) == source.substr((part - 1) << 20, 1 << 20)) << part;
    }
    EXPECT_TRUE(files::Exists(data / _T("out\\big.bin.00004.vtrl")));
    EXPECT_TRUE(files::Read(data / _T("out\\big.bin.00004.vtrl")).empty());

    Press(kMerge);
    EXPECT_EQ(0u, AnswerMessage().find(_T("Please select the first part")));
    const HWND open = WaitFor([this] { return DialogOf(slicewise.Id(), window); });
    ASSERT_NE(nullptr, open);
    const HWND name = WaitFor([open] { return FirstEdit(open); });
    ASSERT_NE(nullptr, name);
    const tstring part1 = data / _T("out\\big.bin.00001.vtrl");
    SendMessage(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(part1.c_str()));
    PostMessage(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(open));
    EXPECT_EQ(_T("The parts have been merged."), AnswerMessage());
    EXPECT_TRUE(files::Read(data / _T("out\\big.bin")) == source);
    EXPECT_EQ(_T(""), TextOf(GetDlgItem(window, kStatus)));
}

TEST_F(SlicewiseProgram, ACloseDuringADivideStopsItAndEndsTheProgram) {
    // Large enough that the close arrives while the parts are still written.
    files::Write(data / _T("big.bin"), Pattern(256 << 20));
    CreateDirectory((data / _T("out")).c_str(), nullptr);
    Type(kSourcePath, data / _T("big.bin"));
    Type(kOutputFolder, data / _T("out\\..."));
    SendMessage(GetDlgItem(window, kSize1Mb), BM_CLICK, 0, 0);
    Press(kDivide);
    ASSERT_NE(nullptr, WaitFor([this] {
        return TextOf(GetDlgItem(window, kStatus)).empty() ? nullptr : window;
    }));
    PostMessage(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program::AnswerMessage(slicewise.Id(), window, IDYES)
                      .find(_T("A file is being divided or merged.")));
    EXPECT_EQ(_T("Dividing was stopped. The parts written by this run have been removed."),
              AnswerMessage());
    ASSERT_TRUE(slicewise.WaitForExit());
    EXPECT_FALSE(files::Exists(data / _T("out\\big.bin.00257.vtrl")));
    // The program closed its files: every part can go.
    for (const tstring& name : files::List(data / _T("out")))
        EXPECT_TRUE(DeleteFile((data / (_T("out\\") + name)).c_str())) << name;
}
