#include "framework/KeyFilter.h"

namespace {
// The thread's newest filter; each one knows the one before it. Every
// filter installs a hook, and the first hook to run asks them all.
thread_local KeyFilter* newest = nullptr;
}  // namespace

KeyFilter::KeyFilter(HWND window, Handler handler)
    : window_(window), handler_(std::move(handler)), outer_(newest),
      hook_(SetWindowsHookEx(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId())) {
    newest = this;
}

// Windows may close in any order: the filter leaves the chain wherever it is.
KeyFilter::~KeyFilter() {
    for (KeyFilter** link = &newest; *link; link = &(*link)->outer_)
        if (*link == this) {
            *link = outer_;
            return;
        }
}

bool KeyFilter::Takes(const MSG& message) const {
    return message.hwnd && GetAncestor(message.hwnd, GA_ROOT) == window_ && handler_(message);
}

LRESULT CALLBACK KeyFilter::Filter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && (message.message == WM_KEYDOWN || message.message == WM_CHAR))
        for (const KeyFilter* filter = newest; filter; filter = filter->outer_)
            if (filter->Takes(message))
                return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
