#include "slicewise/WindowSliceHost.h"
#include "framework/MessagePump.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"

namespace {
// The performance counter in milliseconds. GetTickCount moves in steps of
// about 16 ms under Wine, too coarse for a 10 ms refresh.
double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}
}  // namespace

WindowSliceHost::WindowSliceHost(HWND window, const CTranslation& texts, tstring& statusText,
                                 tstring& outputFolder)
    : window_(window), texts_(texts), statusText_(statusText), outputFolder_(outputFolder),
      lastRefresh_(-kRefreshMs) {}

void WindowSliceHost::Status(const SliceStep& step) {
    latest_ = step;
    unshown_ = true;
    // The start and the end of a run come once each and are shown at once:
    // the end must be on screen before the completion message.
    switch (step.text) {
    case slicetext::kDividing:
    case slicetext::kMerging:
    case slicetext::kEmpty:
        Show(step);
        break;
    default:
        break;
    }
}

bool WindowSliceHost::KeepGoing() {
    if (NowMs() - lastRefresh_ >= kRefreshMs) {
        ShowLatest();
        PumpPendingMessages();
        lastRefresh_ = NowMs();
    }
    return !stopRequested_;
}

void WindowSliceHost::ShowLatest() {
    if (unshown_)
        Show(latest_);
}

void WindowSliceHost::SetFolderBox(const tstring& text) {
    outputFolder_ = text;
    SetDlgItemText(window_, IDC_OUTPUT_FOLDER, text.c_str());
    UpdateWindow(GetDlgItem(window_, IDC_OUTPUT_FOLDER));
}

void WindowSliceHost::Show(const SliceStep& step) {
    statusText_ = StatusLine(step, texts_.GetText(step.text));
    unshown_ = false;
    SetDlgItemText(window_, IDC_STATUS, statusText_.c_str());
    UpdateWindow(GetDlgItem(window_, IDC_STATUS));
}
