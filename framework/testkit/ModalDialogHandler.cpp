#include "framework/testkit/ModalDialogHandler.h"
#include "framework/Controls.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
// Hook and timer procedures carry no context: the one live handler.
ModalDialogHandler* active = nullptr;

bool IsDialogWindow(HWND window) { return HasClass(window, _T("#32770")); }

tstring CaptionOf(HWND window) {
    std::vector<TCHAR> text(GetWindowTextLength(window) + 1, _T('\0'));
    GetWindowText(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}
}  // namespace

ModalDialogHandler::ModalDialogHandler() {
    if (active)
        ADD_FAILURE() << "only one ModalDialogHandler at a time";
    active = this;
    hook_ = SetWindowsHookEx(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    // Thread timer: its WM_TIMER runs Tick from whatever loop is dispatching,
    // the sub-dialog's modal loop among them.
    timer_ = SetTimer(nullptr, 0, 10, Tick);
}

ModalDialogHandler::~ModalDialogHandler() {
    if (timer_)
        KillTimer(nullptr, timer_);
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (active == this)
        active = nullptr;
    if (!actions_.empty())
        ADD_FAILURE() << actions_.size() << " expected dialog(s) never opened";
}

void ModalDialogHandler::Expect(Action action) { actions_.push_back(std::move(action)); }

LRESULT CALLBACK ModalDialogHandler::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && active) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(window))
            active->waiting_.push_back(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalDialogHandler::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active)
        active->Serve();
}

void ModalDialogHandler::Serve() {
    // Windows that went away before they were shown need nothing.
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [](HWND window) { return !IsWindow(window); }),
                   waiting_.end());
    // The newest shown dialog is the one whose modal loop runs now.
    for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it) {
        if (IsWindowVisible(*it)) {
            const HWND dialog = *it;
            waiting_.erase(std::next(it).base());
            Run(dialog);
            return;
        }
    }
}

void ModalDialogHandler::Run(HWND dialog) {
    captions_.push_back(CaptionOf(dialog));
    if (actions_.empty()) {
        ADD_FAILURE() << "unexpected dialog \"" << testing::PrintToString(captions_.back())
                      << "\" opened; cancelled";
        EndDialog(dialog, IDCANCEL);
        return;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    ++handled_;
    action(dialog);
    if (IsWindow(dialog) && IsWindowVisible(dialog)) {
        ADD_FAILURE() << "the action left the dialog open; cancelled";
        EndDialog(dialog, IDCANCEL);
    }
}
