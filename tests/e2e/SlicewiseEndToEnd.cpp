// The real Slicewise.exe in a staged program folder, driven from this
// process as a user would: it divides a real file and merges the parts back
// through the real open-file dialog.
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
const int kSourcePath = 1000, kOutputFolder = 1002, kSize1Mb = 1009, kDivide = 1013,
          kMerge = 1014, kStatus = 1019;
const TCHAR kHandshakeKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");
const DWORD kPatienceMs = 60000;

// Polls until found() gives a window or the patience runs out.
HWND WaitFor(const std::function<HWND()>& found) {
    const ULONGLONG end = GetTickCount64() + kPatienceMs;
    while (GetTickCount64() < end) {
        if (const HWND window = found())
            return window;
        Sleep(20);
    }
    return nullptr;
}

struct Search {
    DWORD process;
    HWND owner;
    HWND result;
};

bool HasClass(HWND window, const tstring& name) {
    TCHAR className[32] = {};
    GetClassName(window, className, 32);
    return name == className;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search.process && IsWindowVisible(window) && HasClass(window, _T("#32770")) &&
        GetWindow(window, GW_OWNER) == search.owner) {
        search.result = window;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog window of the process, owned by owner (nullptr: unowned).
HWND DialogOf(DWORD process, HWND owner) {
    Search search = {process, owner, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.result;
}

tstring TextOf(HWND window) {
    TCHAR text[1024] = {};
    SendMessage(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

BOOL CALLBACK MatchEdit(HWND window, LPARAM context) {
    if (HasClass(window, _T("Edit")) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(context) = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible edit field among the window's descendants.
HWND FirstEdit(HWND parent) {
    HWND found = nullptr;
    EnumChildWindows(parent, MatchEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

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
        const tstring sources = SLICEWISE_SOURCES;
        std::string config = files::Read(sources + _T("\\config.ini"));
        config.replace(config.find("[----]"), 6, "[1033]");
        files::Write(installed / _T("config.ini"), config);
        files::Write(installed / _T("Slicewisetrl.ini"),
                     files::Read(sources + _T("\\Slicewisetrl.ini")));
        ASSERT_TRUE(CopyFile(SLICEWISE_EXE, (installed / _T("Slicewise.exe")).c_str(), FALSE));

        STARTUPINFO startup = {};
        startup.cb = sizeof startup;
        tstring command = _T("\"") + (installed / _T("Slicewise.exe")) + _T("\"");
        ASSERT_TRUE(CreateProcess(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  installed.Path().c_str(), &startup, &process));
        window = WaitFor([this] { return DialogOf(process.dwProcessId, nullptr); });
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }

    // The next message box of the window: its text; it is answered with OK.
    tstring AnswerMessage() {
        const HWND box = WaitFor([this] { return DialogOf(process.dwProcessId, window); });
        if (!box)
            return _T("<no message>");
        const tstring text = TextOf(GetDlgItem(box, 0xFFFF));
        PostMessage(box, WM_COMMAND, IDOK, 0);
        WaitFor([box] { return IsWindow(box) ? nullptr : box; });
        return text;
    }
    void Type(int id, const tstring& text) {
        SendMessage(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Press(int id) {
        PostMessage(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }

    TempFolder installed;
    TempFolder data;
    PROCESS_INFORMATION process = {};
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
    const HWND open = WaitFor([this] { return DialogOf(process.dwProcessId, window); });
    ASSERT_NE(nullptr, open);
    const HWND name = WaitFor([open] { return FirstEdit(open); });
    ASSERT_NE(nullptr, name);
    const tstring part1 = data / _T("out\\big.bin.00001.vtrl");
    SendMessage(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(part1.c_str()));
    PostMessage(open, WM_COMMAND, IDOK, 0);
    ASSERT_NE(nullptr, WaitFor([open] { return IsWindow(open) ? nullptr : open; }));
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
    EXPECT_EQ(_T("The command was stopped. The files written so far remain."), AnswerMessage());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, kPatienceMs));
    EXPECT_FALSE(files::Exists(data / _T("out\\big.bin.00257.vtrl")));
    // The program closed its files: every part can go.
    for (const tstring& name : files::List(data / _T("out")))
        EXPECT_TRUE(DeleteFile((data / (_T("out\\") + name)).c_str())) << name;
}

TEST_F(SlicewiseProgram, ClosingClearsTheLaunchersValueAndEndsTheProgram) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, kHandshakeKey, 0, nullptr, 0,
                                            KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueEx(key, _T("active"), 0, REG_SZ, reinterpret_cast<const BYTE*>(_T("x")),
                  2 * sizeof(TCHAR));
    PostMessage(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, kPatienceMs));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueEx(key, _T("active"), nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(key);
}
