#pragma once
// The window's side of a running Divide or Merge: it keeps the latest status
// step and shows it, repaints and dispatches pending messages by time, not
// per step, so that a long copy neither stalls the window nor spends its
// time drawing. A close request during the run asks the command to stop.
#include "common/Translation.h"
#include "framework/Controls.h"
#include "slicewise/core/SliceHost.h"

class WindowSliceHost : public SliceHost {
public:
    // The longest the window goes without repainting and answering while a
    // command copies.
    static constexpr double kRefreshMs = 10;

    // statusText and outputFolder are the window's values of the status line
    // and the folder box; the host keeps them in step with the controls.
    WindowSliceHost(HWND window, const CTranslation& texts, tstring& statusText,
                    tstring& outputFolder);
    // Hides the progress bar and its line again.
    ~WindowSliceHost() override;
    WindowSliceHost(const WindowSliceHost&) = delete;
    WindowSliceHost& operator=(const WindowSliceHost&) = delete;

    // Through the UI seam, owned by the window.
    void Tell(const tstring& text, const tstring& caption) override;
    void TellFileError(const FileError& error) override;
    bool ChooseFile(const tstring& filter, size_t bufferChars, tstring& path) override;
    tstring Text(int number) override { return texts_.GetText(number); }
    void Status(const SliceStep& step) override;
    bool KeepGoing() override;
    void Progress(ULONGLONG done, ULONGLONG total) override;
    tstring FolderBox() override { return outputFolder_; }
    void SetFolderBox(const tstring& text) override;

    // Shows the latest step if it is not on screen yet: after a run that
    // ended in a failure, the status line keeps the last step it reached.
    void ShowLatest();

    void RequestStop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

private:
    void Show(const SliceStep& step);
    void ShowProgress();

    HWND window_;
    ProgressBar bar_;
    const CTranslation& texts_;
    tstring& statusText_;
    tstring& outputFolder_;
    SliceStep latest_;
    bool unshown_ = false;
    bool stopRequested_ = false;
    double lastRefresh_;   // the first KeepGoing refreshes at once
    double start_;
    double lastLine_ = 0;
    ULONGLONG done_ = 0;
    ULONGLONG total_ = 0;
    int shownPosition_ = -1;
};
