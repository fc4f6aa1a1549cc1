// The real Verbsmith.exe in a staged program folder against entries prepared
// in the prefix's registry, driven from this process: the list it shows, a
// handler switched off and on, an entry added and removed through the
// dialogs, the check of all entries, and Escape clearing the launcher's value.
#include "tests/support/ProgramWindows.h"
#include "common/Handshake.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/StagedProgram.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <shlwapi.h>

using namespace program;

namespace {
const int kList = 1000, kAdd = 1003, kRemove = 1009;
const int kType = 1003, kName = 1007, kValue = 1004;
const int kCheckEntries = 32780;
const TCHAR* const kHandshakeKey = handshake::kKey;
const TCHAR kClassId[] = _T("{6A1C2D3E-4F50-4A6B-8C7D-9E0F1A2B3C4D}");

// The entries this test prepares and removes again, below HKEY_CLASSES_ROOT.
const TCHAR kVerb[] = _T("*\\shell\\Verbsmith E2E Edit");
const TCHAR kHandler[] = _T("*\\shellex\\ContextMenuHandlers\\Verbsmith E2E Handler");
const TCHAR kBroken[] = _T("Drive\\shell\\Verbsmith E2E Broken");
const TCHAR kAdded[] = _T("*\\shell\\Verbsmith E2E Added");
// The handler's class, registered so that the check finds its file.
const TCHAR kClass[] = _T("CLSID\\{6A1C2D3E-4F50-4A6B-8C7D-9E0F1A2B3C4D}");

class VerbsmithProgram : public ::testing::Test {
protected:
    void SetUp() override {
        RemovePreparedEntries();
        reg::SetText(HKEY_CLASSES_ROOT, kVerb, _T(""), _T("Verbsmith E2E Edit"));
        reg::SetText(HKEY_CLASSES_ROOT, tstring(kVerb) + _T("\\command"), _T(""), _T("notepad.exe %1"));
        reg::SetText(HKEY_CLASSES_ROOT, kHandler, _T(""), kClassId);
        reg::SetText(HKEY_CLASSES_ROOT, tstring(kClass) + _T("\\InprocServer32"), _T(""), _T("shell32.dll"));
        reg::SetText(HKEY_CLASSES_ROOT, kBroken, _T(""), _T("Verbsmith E2E Broken"));
        reg::SetText(HKEY_CLASSES_ROOT, tstring(kBroken) + _T("\\command"), _T(""),
                     _T("C:\\Missing\\gone.exe %1"));
        window = verbsmith.Start("[1033]");
        ASSERT_NE(nullptr, window);
        list = GetDlgItem(window, kList);
    }
    void TearDown() override { RemovePreparedEntries(); }
    static void RemovePreparedEntries() {
        for (const TCHAR* key : {kVerb, kHandler, kBroken, kAdded, kClass})
            SHDeleteKey(HKEY_CLASSES_ROOT, key);
    }

    // A list cell read through memory in the program's process: the list
    // view's messages carry pointers that only mean something there.
    tstring Cell(int row, int column) const {
        const SIZE_T bytes = sizeof(LVITEM) + 512 * sizeof(TCHAR);
        BYTE* remote = static_cast<BYTE*>(VirtualAllocEx(verbsmith.Process(), nullptr, bytes,
                                                         MEM_COMMIT, PAGE_READWRITE));
        LVITEM item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<TCHAR*>(remote + sizeof(LVITEM));
        item.cchTextMax = 512;
        WriteProcessMemory(verbsmith.Process(), remote, &item, sizeof item, nullptr);
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        TCHAR text[512] = {};
        ReadProcessMemory(verbsmith.Process(), remote + sizeof(LVITEM), text, sizeof text - sizeof(TCHAR),
                          nullptr);
        VirtualFreeEx(verbsmith.Process(), remote, 0, MEM_RELEASE);
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
    // Selects a row as the keyboard does (Home, then Down), which also sets the
    // selection mark; waits for it.
    void Select(int row) const {
        PostMessage(list, WM_KEYDOWN, VK_HOME, 0);
        for (int i = 0; i < row; ++i)
            PostMessage(list, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_TRUE(WaitUntil([&] { return SendMessage(list, LVM_GETSELECTIONMARK, 0, 0) == row; }));
    }
    // The next message box owned by owner: its text; answered with button.
    tstring Answer(HWND owner, int button = IDOK) const {
        return AnswerMessage(verbsmith.Id(), owner, button, window);
    }

    StagedProgram verbsmith{VERBSMITH_EXE, VERBSMITH_SOURCES, _T("Verbsmithtrl.ini")};
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

TEST_F(VerbsmithProgram, AddsAndRemovesAnEntryThroughTheDialogs) {
    const int before = Rows();
    Press(window, kAdd);
    const HWND add = WaitFor([this] { return DialogOf(verbsmith.Id(), window); });
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
    EXPECT_EQ(name, reg::GetText(HKEY_CLASSES_ROOT, kAdded, _T("")));
    EXPECT_EQ(value, reg::GetText(HKEY_CLASSES_ROOT, tstring(kAdded) + _T("\\command"), _T("")));

    const int row = Row(name);
    ASSERT_GE(row, 0);
    Select(row);
    Press(window, kRemove);
    EXPECT_EQ(0u, Answer(window, IDYES).find(_T("Do you really want to remove")));
    EXPECT_EQ(_T("The entry has been removed."), Answer(window));
    EXPECT_TRUE(WaitUntil([&] { return Rows() == before; }));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, kAdded));
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, kVerb));
}

TEST_F(VerbsmithProgram, BrowseFileTakesThePathFromTheOpenFileDialog) {
    Press(window, kAdd);
    const HWND add = WaitFor([this] { return DialogOf(verbsmith.Id(), window); });
    ASSERT_NE(nullptr, add);
    Press(add, 1006);
    const HWND open = WaitFor([this, add] { return DialogOf(verbsmith.Id(), add); });
    ASSERT_NE(nullptr, open);
    const HWND name = WaitFor([open] { return FirstEdit(open); });
    ASSERT_NE(nullptr, name);
    const tstring program = verbsmith.Folder() / _T("Verbsmith.exe");
    SendMessage(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
    PostMessage(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(open));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(add, kValue)) == program; }))
        << TextOf(GetDlgItem(add, kValue));
    Press(add, IDCANCEL);
    EXPECT_TRUE(WaitGone(add));
}

TEST_F(VerbsmithProgram, CheckReportsTheOneBrokenEntry) {
    PostMessage(window, WM_COMMAND, kCheckEntries, 0);
    EXPECT_EQ(tstring(_T("The program file of the following entry was not found:\n\n")) +
                  _T("Verbsmith E2E Broken\n\n(C:\\Missing\\gone.exe)"),
              Answer(window));
    EXPECT_EQ(_T("The check is finished."), Answer(window));
}

TEST_F(VerbsmithProgram, EscapeClearsTheLaunchersValueInBothRoots) {
    reg::SetText(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active"), _T("x"));
    reg::SetText(HKEY_CURRENT_USER, kHandshakeKey, _T("active"), _T("x"));
    SetForegroundWindow(window);
    SetFocus(list);
    PostMessage(list, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(list, WM_KEYUP, VK_ESCAPE, 0);
    ASSERT_TRUE(verbsmith.WaitForExit());
    EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active")));
    EXPECT_FALSE(reg::ValueExists(HKEY_CURRENT_USER, kHandshakeKey, _T("active")));
}
