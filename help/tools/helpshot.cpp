// helpshot: drives the programs' windows for the help screenshots under Wine,
// where the windows are not windows of the X display. A window is the first
// visible and enabled top-level window with the caption, so that a message
// box or dialog is found rather than the owner it disables (they may share a
// caption).
//   helpshot wait <caption> <seconds>           exit 0 once there is one, 1 on time-out
//   helpshot dialog <main> <seconds>            waits for a dialog or message box of the
//                                               main window with that caption (shown or
//                                               not yet) and prints its caption
//   helpshot rect <caption>                     prints its frame as WxH+X+Y (screen pixels)
//   helpshot command <caption> <id>             posts the menu command id to it
//   helpshot click <caption> <control>          posts a click to the button
//   helpshot settext <caption> <control> <text> sets the control's text
//   helpshot select <caption> <control> <index> selects that item of a combo box
//   helpshot point <caption> <x> <y>            puts the mouse pointer on that client point
//   helpshot close <caption>                    posts WM_CLOSE to it
//   helpshot menu <caption> <position>          opens that menu of the menu bar (0: the
//                                               first) as the keyboard does and prints
//                                               the frame of window and menu together
//                                               as WxH+X+Y
//   helpshot key <caption> <virtual key>        posts the key's press to it
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search.caption) == 0 && IsWindowVisible(window) &&
        IsWindowEnabled(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindUsable(const char* caption) {
    Search search = {caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A program's main window: owned by no other window. Its dialogs and message
// boxes may carry the same caption.
BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search.caption) == 0 && !GetWindow(window, GW_OWNER)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM param) {
    OwnedSearch& search = *reinterpret_cast<OwnedSearch*>(param);
    if (GetWindow(window, GW_OWNER) == search.owner && IsWindowVisible(window) &&
        IsWindowEnabled(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Control(HWND window, const char* id) { return GetDlgItem(window, std::atoi(id)); }

int Usage() {
    std::fprintf(stderr, "usage: helpshot wait|dialog|rect|command|click|settext|select|point|"
                         "close|menu|key <caption> [arguments]\n");
    return 2;
}

int Wait(const char* caption, int seconds) {
    const DWORD deadline = GetTickCount() + 1000u * seconds;
    while (!FindUsable(caption)) {
        if (static_cast<LONG>(GetTickCount() - deadline) > 0)
            return 1;
        Sleep(50);
    }
    return 0;
}

// The owner is found whatever its state: a program may ask a question
// before its own window shows.
int WaitForDialog(const char* ownerCaption, int seconds) {
    const DWORD deadline = GetTickCount() + 1000u * seconds;
    for (;;) {
        Search main = {ownerCaption, nullptr};
        EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&main));
        OwnedSearch search = {main.found, nullptr};
        if (search.owner)
            EnumWindows(MatchOwned, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            char caption[256] = "";
            GetWindowTextA(search.found, caption, sizeof caption);
            std::printf("%s\n", caption);
            return 0;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) > 0)
            return 1;
        Sleep(50);
    }
}

int PrintRect(HWND window) {
    RECT frame;
    if (!GetWindowRect(window, &frame))
        return 1;
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
                frame.left, frame.top);
    return 0;
}

BOOL CALLBACK MatchMenu(HWND window, LPARAM param) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

// The open popup menu, once it shows.
HWND WaitForMenu() {
    for (int tries = 0; tries < 100; ++tries) {
        HWND menu = nullptr;
        EnumWindows(MatchMenu, reinterpret_cast<LPARAM>(&menu));
        if (menu)
            return menu;
        Sleep(50);
    }
    return nullptr;
}

// Alt selects the menu bar, Down opens its first menu, Right the next ones.
int OpenMenu(HWND window, int position) {
    PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    Sleep(200);
    PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    for (int i = 0; i < position; ++i) {
        Sleep(200);
        PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
    }
    Sleep(300);
    const HWND menu = WaitForMenu();
    RECT frame, popup;
    if (!menu || !GetWindowRect(window, &frame) || !GetWindowRect(menu, &popup))
        return 1;
    UnionRect(&frame, &frame, &popup);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
                frame.left, frame.top);
    return 0;
}

int PointAt(HWND window, int x, int y) {
    POINT point = {x, y};
    return ClientToScreen(window, &point) && SetCursorPos(point.x, point.y) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    const char* verb = argv[1];
    if (std::strcmp(verb, "wait") == 0)
        return argc == 4 ? Wait(argv[2], std::atoi(argv[3])) : Usage();
    if (std::strcmp(verb, "dialog") == 0)
        return argc == 4 ? WaitForDialog(argv[2], std::atoi(argv[3])) : Usage();

    const HWND window = FindUsable(argv[2]);
    if (!window) {
        std::fprintf(stderr, "helpshot: no window \"%s\"\n", argv[2]);
        return 1;
    }
    if (std::strcmp(verb, "rect") == 0)
        return PrintRect(window);
    if (std::strcmp(verb, "close") == 0)
        return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (argc < 4)
        return Usage();
    // Posted, not sent: a command or click that opens a modal dialog would
    // not return before the dialog closes.
    if (std::strcmp(verb, "menu") == 0)
        return OpenMenu(window, std::atoi(argv[3]));
    if (std::strcmp(verb, "key") == 0)
        return PostMessageA(window, WM_KEYDOWN, std::atoi(argv[3]), 0) ? 0 : 1;
    if (std::strcmp(verb, "command") == 0)
        return PostMessageA(window, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), 0), 0) ? 0 : 1;
    const HWND control = Control(window, argv[3]);
    if (std::strcmp(verb, "click") == 0)
        return control && PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    if (argc == 5 && std::strcmp(verb, "point") == 0)
        return PointAt(window, std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 5 && std::strcmp(verb, "settext") == 0)
        return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]))
                   ? 0 : 1;
    if (argc == 5 && std::strcmp(verb, "select") == 0)
        return control && SendMessageA(control, CB_SETCURSEL, std::atoi(argv[4]), 0) != CB_ERR
                   ? 0 : 1;
    return Usage();
}
