#include "slicewise/WindowSliceHost.h"
#include "framework/MessagePump.h"
#include "framework/UiSeam.h"
#include "slicewise/core/ProgressLine.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include <commctrl.h>

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
// The progress bar's range, and how often its line is written anew: the
// speed and the time left read calmly at a few changes a second.
const int kBarRange = 1000;
const double kLineMs = 250;

void ShowItem(HWND window, int id, bool show) {
    const HWND item = GetDlgItem(window, id);
    if (show)   // above the footer art it stands on
        SetWindowPos(item, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(item, show ? SW_SHOWNA : SW_HIDE);
}
}  // namespace

WindowSliceHost::WindowSliceHost(HWND window, const CTranslation& texts, tstring& statusText,
                                 tstring& outputFolder)
    : window_(window), bar_(GetDlgItem(window, IDC_PROGRESS)), texts_(texts),
      statusText_(statusText), outputFolder_(outputFolder), lastRefresh_(-kRefreshMs),
      start_(NowMs()) {
    bar_.SetRange(kBarRange);
    bar_.SetPosition(0);
    SetDlgItemText(window_, IDC_PROGRESS_TEXT, _T(""));
    ShowItem(window_, IDC_PROGRESS, true);
    ShowItem(window_, IDC_PROGRESS_TEXT, true);
}

WindowSliceHost::~WindowSliceHost() {
    ShowItem(window_, IDC_PROGRESS, false);
    ShowItem(window_, IDC_PROGRESS_TEXT, false);
}

void WindowSliceHost::Progress(ULONGLONG done, ULONGLONG total) {
    done_ = done;
    total_ = total;
}

// The bar at every refresh, its line a few times a second.
void WindowSliceHost::ShowProgress() {
    if (total_ == 0)
        return;
    const int position = static_cast<int>(done_ * kBarRange / total_);
    if (position != shownPosition_) {
        bar_.SetPosition(position);
        shownPosition_ = position;
    }
    const double now = NowMs();
    if (now - lastLine_ < kLineMs)
        return;
    lastLine_ = now;
    SetDlgItemText(window_, IDC_PROGRESS_TEXT,
                   ProgressLine(texts_.GetText(slicetext::kProgressLine), done_, total_,
                                (now - start_) / 1000).c_str());
}

void WindowSliceHost::Status(const SliceStep& step) {
    latest_ = step;
    unshown_ = true;
    // The start and the end of a run come once each and are shown at once:
    // the end must be on screen before the completion message.
    // The copy starts with its first step: the speed leaves out the time
    // the user spent with the merge's hint and file dialog.
    switch (step.text) {
    case slicetext::kDividing:
    case slicetext::kMerging:
        start_ = NowMs();
        Show(step);
        break;
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
        ShowProgress();
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

void WindowSliceHost::Tell(const tstring& text, const tstring& caption) {
    Ui().ShowMessage(window_, text, caption, MB_OK);
}

void WindowSliceHost::TellFileError(const FileError& error) {
    ReportFileError(window_, error, kSlicewiseName);
}

bool WindowSliceHost::ChooseFile(const tstring& filter, size_t bufferChars, tstring& path) {
    return Ui().ChooseOpenFile(window_, filter, bufferChars, path);
}
