// The real Verbsmith.exe in a staged program folder against entries prepared
// in the prefix's registry, driven from this process: the list it shows, a
// handler switched off and on, an entry added and removed through the
// dialogs, the check of all entries, and Escape clearing the launcher's value.
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <shlwapi.h>
#include <functional>

namespace {
const int kList = 1000, kAdd = 1003, kToggle = 1004, kRemove = 1009;
const int kType = 1003, kName = 1007, kValue = 1004;
const int kCheckEntries = 32780;
const TCHAR kHandshakeKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");
const TCHAR kClassId[] = _T("{6A1C2D3E-4F50-4A6B-8C7D-9E0F1A2B3C4D}");
const DWORD kPatienceMs = 60000;

// The entries this test prepares and removes again, below HKEY_CLASSES_ROOT.
const TCHAR kVerb[] = _T("*\\shell\\Verbsmith E2E Edit");
const TCHAR kHandler[] = _T("*\\shellex\\ContextMenuHandlers\\Verbsmith E2E Handler");
const TCHAR kBroken[] = _T("Drive\\shell\\Verbsmith E2E Broken");
const TCHAR kAdded[] = _T("*\\shell\\Verbsmith E2E Added");

HWND WaitFor(const std::function<HWND()>& found) {
    const ULONGLONG end = GetTickCount64() + kPatienceMs;
    while (GetTickCount64() < end) {
        if (const HWND window = found())
            return window;
        Sleep(20);
    }
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& done) {
    return WaitFor([&done] { return done() ? GetDesktopWindow() : nullptr; }) != nullptr;
}

struct Search {
    DWORD process;
    HWND owner;
    HWND except;
    HWND result;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    TCHAR className[32] = {};
    GetClassName(window, className, 32);
    if (pid == search.process && window != search.except && IsWindowVisible(window) &&
        lstrcmp(className, _T("#32770")) == 0 && GetWindow(window, GW_OWNER) == search.owner) {
        search.result = window;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog window of the process owned by owner, other than except.
HWND DialogOf(DWORD process, HWND owner, HWND except = nullptr) {
    Search search = {process, owner, except, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.result;
}

tstring TextOf(HWND window) {
    TCHAR text[1024] = {};
    SendMessage(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

void SetText(HKEY root, const tstring& key, const tstring& name, const tstring& data) {
    HKEY opened;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                            nullptr, &opened, nullptr));
    RegSetValueEx(opened, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                  reinterpret_cast<const BYTE*>(data.c_str()),
                  static_cast<DWORD>((data.size() + 1) * sizeof(TCHAR)));
    RegCloseKey(opened);
}

tstring GetText(HKEY root, const tstring& key, const tstring& name) {
    TCHAR data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValue(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ,
                    nullptr, data, &size) != ERROR_SUCCESS)
        return _T("<missing>");
    return data;
}

BOOL CALLBACK MatchEdit(HWND window, LPARAM context) {
    TCHAR className[32] = {};
    GetClassName(window, className, 32);
    if (lstrcmp(className, _T("Edit")) == 0 && IsWindowVisible(window)) {
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

bool KeyExists(HKEY root, const tstring& key) {
    HKEY opened;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

bool ValueExists(HKEY root, const tstring& key, const tstring& name) {
    return RegGetValue(root, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

class VerbsmithProgram : public ::testing::Test {
protected:
    void SetUp() override {
        RemovePreparedEntries();
        SetText(HKEY_CLASSES_ROOT, kVerb, _T(""), _T("Verbsmith E2E Edit"));
        SetText(HKEY_CLASSES_ROOT, tstring(kVerb) + _T("\\command"), _T(""), _T("notepad.exe %1"));
        SetText(HKEY_CLASSES_ROOT, kHandler, _T(""), kClassId);
        SetText(HKEY_CLASSES_ROOT, kBroken, _T(""), _T("Verbsmith E2E Broken"));
        SetText(HKEY_CLASSES_ROOT, tstring(kBroken) + _T("\\command"), _T(""),
                _T("C:\\Missing\\gone.exe %1"));

        const tstring sources = VERBSMITH_SOURCES;
        std::string config = files::Read(sources + _T("\\config.ini"));
        config.replace(config.find("[----]"), 6, "[1033]");
        files::Write(installed / _T("config.ini"), config);
        files::Write(installed / _T("Verbsmithtrl.ini"),
                     files::Read(sources + _T("\\Verbsmithtrl.ini")));
        ASSERT_TRUE(CopyFile(VERBSMITH_EXE, (installed / _T("Verbsmith.exe")).c_str(), FALSE));

        STARTUPINFO startup = {};
        startup.cb = sizeof startup;
        tstring command = _T("\"") + (installed / _T("Verbsmith.exe")) + _T("\"");
        ASSERT_TRUE(CreateProcess(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  installed.Path().c_str(), &startup, &process));
        window = WaitFor([this] { return DialogOf(process.dwProcessId, nullptr); });
        ASSERT_NE(nullptr, window);
        list = GetDlgItem(window, kList);
    }
    void TearDown() override {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        RemovePreparedEntries();
    }
    static void RemovePreparedEntries() {
        for (const TCHAR* key : {kVerb, kHandler, kBroken, kAdded})
            SHDeleteKey(HKEY_CLASSES_ROOT, key);
    }

    // A list cell read through memory in the program's process: the list
    // view's messages carry pointers that only mean something there.
    tstring Cell(int row, int column) const {
        const SIZE_T bytes = sizeof(LVITEM) + 512 * sizeof(TCHAR);
        BYTE* remote = static_cast<BYTE*>(VirtualAllocEx(process.hProcess, nullptr, bytes,
                                                         MEM_COMMIT, PAGE_READWRITE));
        LVITEM item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<TCHAR*>(remote + sizeof(LVITEM));
        item.cchTextMax = 512;
        WriteProcessMemory(process.hProcess, remote, &item, sizeof item, nullptr);
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        TCHAR text[512] = {};
        ReadProcessMemory(process.hProcess, remote + sizeof(LVITEM), text, sizeof text - sizeof(TCHAR),
                          nullptr);
        VirtualFreeEx(process.hProcess, remote, 0, MEM_RELEASE);
        return text;
    }
    int Rows() const { return static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0)); }
    int Row(const tstring& name) const {
        for (int row = 0; row < Rows(); ++row)
            if (Cell(row, 0) == name)
                return row;
        return -1;
    }
    // The row the commands act on, as a click would make it.
    void Select(int row) const { SendMessage(list, LVM_SETSELECTIONMARK, 0, row); }
    static void Press(HWND dialog, int id) {
        PostMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // The next message box owned by owner: its text; answered with button.
    tstring Answer(HWND owner, int button = IDOK) {
        const HWND box = WaitFor([this, owner] { return DialogOf(process.dwProcessId, owner, window); });
        if (!box)
            return _T("<no message>");
        const tstring text = TextOf(GetDlgItem(box, 0xFFFF));
        PostMessage(box, WM_COMMAND, button, 0);
        WaitFor([box] { return IsWindow(box) ? nullptr : box; });
        return text;
    }

    TempFolder installed;
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    HWND list = nullptr;
};
}  // namespace

TEST_F(VerbsmithProgram, ListsThePreparedEntries) {
    const int verb = Row(_T("Verbsmith E2E Edit"));
    ASSERT_GE(verb, 0);
    EXPECT_EQ(_T("All files"), Cell(verb, 1));
    EXPECT_EQ(_T("notepad.exe %1"), Cell(verb, 2));
    const int handler = Row(_T("Verbsmith E2E Handler"));
    ASSERT_GT(handler, verb);
    EXPECT_EQ(kClassId, Cell(handler, 2));
    const int broken = Row(_T("Verbsmith E2E Broken"));
    ASSERT_GT(broken, handler);
    EXPECT_EQ(_T("Drives"), Cell(broken, 1));
    TCHAR count[64];
    wsprintf(count, _T("You currently have %d right click entries!"), Rows());
    EXPECT_EQ(count, TextOf(GetDlgItem(window, 1014)));
}

TEST_F(VerbsmithProgram, DeactivatesAndActivatesAHandler) {
    const int handler = Row(_T("Verbsmith E2E Handler"));
    ASSERT_GE(handler, 0);
    Select(handler);
    Press(window, kToggle);
    const tstring deactivated = tstring(_T("-")) + kClassId;
    EXPECT_TRUE(WaitUntil([&] { return GetText(HKEY_CLASSES_ROOT, kHandler, _T("")) == deactivated; }));
    EXPECT_EQ(deactivated, Cell(handler, 2));
    EXPECT_EQ(_T("Ac&tivate Entry"), TextOf(GetDlgItem(window, kToggle)));
    Press(window, kToggle);
    EXPECT_TRUE(WaitUntil([&] { return GetText(HKEY_CLASSES_ROOT, kHandler, _T("")) == kClassId; }));
    EXPECT_EQ(_T("&Deactivate Entry"), TextOf(GetDlgItem(window, kToggle)));
}

TEST_F(VerbsmithProgram, AddsAndRemovesAnEntryThroughTheDialogs) {
    const int before = Rows();
    Press(window, kAdd);
    const HWND add = WaitFor([this] { return DialogOf(process.dwProcessId, window); });
    ASSERT_NE(nullptr, add);
    SendMessage(GetDlgItem(add, kType), CB_SETCURSEL, 1, 0);
    SendMessage(add, WM_COMMAND, MAKEWPARAM(kType, CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(GetDlgItem(add, kType)));
    const tstring name = _T("Verbsmith E2E Added");
    SendMessage(GetDlgItem(add, kName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    const tstring value = _T("notepad.exe %1");
    SendMessage(GetDlgItem(add, kValue), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    Press(add, IDOK);
    EXPECT_EQ(_T("The entry has been added."), Answer(add));
    ASSERT_TRUE(WaitUntil([&] { return Rows() == before + 1; }));
    EXPECT_EQ(name, GetText(HKEY_CLASSES_ROOT, kAdded, _T("")));
    EXPECT_EQ(value, GetText(HKEY_CLASSES_ROOT, tstring(kAdded) + _T("\\command"), _T("")));

    const int row = Row(name);
    ASSERT_GE(row, 0);
    Select(row);
    Press(window, kRemove);
    EXPECT_EQ(0u, Answer(window, IDYES).find(_T("Do you really want to remove")));
    EXPECT_EQ(_T("The entry has been removed."), Answer(window));
    EXPECT_TRUE(WaitUntil([&] { return Rows() == before; }));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kAdded));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kVerb));
}

TEST_F(VerbsmithProgram, BrowseFileTakesThePathFromTheOpenFileDialog) {
    Press(window, kAdd);
    const HWND add = WaitFor([this] { return DialogOf(process.dwProcessId, window); });
    ASSERT_NE(nullptr, add);
    Press(add, 1006);
    const HWND open = WaitFor([this, add] { return DialogOf(process.dwProcessId, add); });
    ASSERT_NE(nullptr, open);
    const HWND name = WaitFor([open] { return FirstEdit(open); });
    ASSERT_NE(nullptr, name);
    const tstring program = installed / _T("Verbsmith.exe");
    SendMessage(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
    PostMessage(open, WM_COMMAND, IDOK, 0);
    ASSERT_NE(nullptr, WaitFor([open] { return IsWindow(open) ? nullptr : open; }));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(add, kValue)) == program; }))
        << TextOf(GetDlgItem(add, kValue));
    Press(add, IDCANCEL);
    EXPECT_NE(nullptr, WaitFor([add] { return IsWindow(add) ? nullptr : add; }));
}

TEST_F(VerbsmithProgram, CheckReportsTheOneBrokenEntry) {
    PostMessage(window, WM_COMMAND, kCheckEntries, 0);
    EXPECT_EQ(tstring(_T("The program file of the following entry was not found:\n\n")) +
                  _T("Verbsmith E2E Broken\n\n(C:\\Missing\\gone.exe)"),
              Answer(nullptr));
    EXPECT_EQ(_T("The check is finished."), Answer(nullptr));
}

TEST_F(VerbsmithProgram, EscapeClearsTheLaunchersValueInBothRoots) {
    SetText(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active"), _T("x"));
    SetText(HKEY_CURRENT_USER, kHandshakeKey, _T("active"), _T("x"));
    SetForegroundWindow(window);
    SetFocus(list);
    PostMessage(list, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(list, WM_KEYUP, VK_ESCAPE, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, kPatienceMs));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active")));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kHandshakeKey, _T("active")));
}
