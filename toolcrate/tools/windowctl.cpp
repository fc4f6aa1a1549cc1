// windowctl: what scripts need of a program's window under Wine, where the
// windows are not windows of the X display.
//   windowctl wait <caption> <seconds>   exit 0 once a visible top-level window
//                                        with that caption exists, 1 on time-out
//   windowctl close <caption>            posts WM_CLOSE to it; 1 when there is none
//   windowctl pointer <x> <y>            puts the mouse pointer there (screen pixels)
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindVisible(const char* caption) {
    const HWND window = FindWindowA(nullptr, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: windowctl wait <caption> <seconds> | close <caption> | pointer <x> <y>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0) {
        const DWORD deadline = GetTickCount() + 1000u * std::atoi(argv[3]);
        while (!FindVisible(argv[2])) {
            if (static_cast<LONG>(GetTickCount() - deadline) > 0)
                return 1;
            Sleep(50);
        }
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
        const HWND window = FindWindowA(nullptr, argv[2]);
        return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (argc >= 4 && std::strcmp(argv[1], "pointer") == 0)
        return SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3])) ? 0 : 1;
    return Usage();
}
