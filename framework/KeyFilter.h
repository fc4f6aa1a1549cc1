#pragma once
// Keys a window takes before the dialog manager sees them: a shortcut such
// as Ctrl+F, or Enter and Escape meant for one of its controls rather than
// for the window's OK and Cancel. The modal dialog loop, and the suite's own
// message pump, offer every message to the thread's message filters first
// (WH_MSGFILTER, MSGF_DIALOGBOX); a KeyFilter hands the key presses
// (WM_KEYDOWN) and the characters they make (WM_CHAR: Ctrl+F arrives as
// character 6 whatever the keyboard layout calls the key) meant for its
// window, or for a control in it, to its handler.
#include "framework/Handles.h"
#include <functional>

class KeyFilter {
public:
    // handler: true when it took the key, which then goes no further.
    using Handler = std::function<bool(const MSG& key)>;
    KeyFilter(HWND window, Handler handler);
    ~KeyFilter();
    KeyFilter(const KeyFilter&) = delete;
    KeyFilter& operator=(const KeyFilter&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    bool Takes(const MSG& message) const;

    HWND window_;
    Handler handler_;
    KeyFilter* outer_;   // the thread's filter before this one
    HookHandle hook_;
};
