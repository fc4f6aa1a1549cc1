#include "tests/support/ProgramWindows.h"
#include "framework/Controls.h"

namespace program {
namespace {
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
    if (pid == search.process && window != search.except && IsWindowVisible(window) &&
        HasClass(window, _T("#32770")) && GetWindow(window, GW_OWNER) == search.owner) {
        search.result = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchEdit(HWND window, LPARAM context) {
    if (HasClass(window, _T("Edit")) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(context) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
    *reinterpret_cast<tstring*>(context) += TextOf(child) + _T("\n");
    return TRUE;
}
}  // namespace

HWND WaitFor(const std::function<HWND()>& found, DWORD patienceMs) {
    const ULONGLONG end = GetTickCount64() + patienceMs;
    for (;;) {
        if (const HWND window = found())
            return window;
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(10);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD patienceMs) {
    return WaitFor([&done] { return done() ? GetDesktopWindow() : nullptr; }, patienceMs) != nullptr;
}

bool WaitGone(HWND window, DWORD patienceMs) {
    return WaitUntil([window] { return !IsWindow(window); }, patienceMs);
}

HWND DialogOf(DWORD process, HWND owner, HWND except) {
    Search search = {process, owner, except, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.result;
}

HWND StartInFolder(const tstring& exe, const tstring& folder, PROCESS_INFORMATION& process,
                   DWORD patienceMs) {
    STARTUPINFO startup = {};
    startup.cb = sizeof startup;
    tstring command = _T("\"") + exe + _T("\"");
    if (!CreateProcess(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &process))
        return nullptr;
    const HWND window = WaitFor([&] { return DialogOf(process.dwProcessId, nullptr); }, patienceMs);
    if (window && WaitForInputIdle(process.hProcess, patienceMs) != 0)
        return nullptr;
    return window;
}

// WM_GETTEXT, which reaches the controls of another process too.
tstring TextOf(HWND window) {
    tstring text(static_cast<size_t>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0)) + 1, _T('\0'));
    text.resize(static_cast<size_t>(SendMessage(window, WM_GETTEXT, text.size(),
                                                reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

tstring TextsOf(HWND window) {
    tstring texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FirstEdit(HWND parent) {
    HWND found = nullptr;
    EnumChildWindows(parent, MatchEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

void Press(HWND dialog, int id) {
    PostMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

tstring AnswerMessage(DWORD process, HWND owner, int button, HWND except) {
    const HWND box = WaitFor([=] { return DialogOf(process, owner, except); });
    if (!box)
        return _T("<no message>");
    const tstring text = TextOf(GetDlgItem(box, 0xFFFF));
    PostMessage(box, WM_COMMAND, button, 0);
    WaitGone(box);
    return text;
}
}  // namespace program
