#pragma once
// What the benchmark probes share: they measure a real program of the suite
// from another process, on a clock of their own, and find its dialog windows.
#include <windows.h>

namespace probe {

inline double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct DialogSearch {
    DWORD process;
    HWND owner;
    bool visibleOnly;
    HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
    DialogSearch& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (pid == search.process && (!search.visibleOnly || IsWindowVisible(window)) &&
        lstrcmpW(name, L"#32770") == 0 && GetWindow(window, GW_OWNER) == search.owner) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// A dialog window of the process owned by owner (nullptr: a top-level one);
// a hidden one too unless visibleOnly.
inline HWND DialogOf(DWORD process, HWND owner, bool visibleOnly) {
    DialogSearch search = {process, owner, visibleOnly, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace probe
