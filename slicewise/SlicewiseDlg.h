#pragma once
// The main window of Slicewise: collects what Divide needs (source file,
// output folder, part size), starts Divide and Merge, shows their status
// line and carries the menu commands.
#include "common/MainWindow.h"
#include "slicewise/WindowSliceHost.h"
#include <functional>
#include <memory>

class CSlicewiseDlg : public MainWindow {
public:
    CSlicewiseDlg();

    // Window values, exchanged with the controls in this order.
    tstring SourcePath;
    tstring OutputFolder;
    int SizeChoice = 4;
    tstring StatusText;
    int UserSize = 150;
    tstring WelcomeText;
    tstring IntroductionText;

    // True while Divide or Merge runs.
    bool Running() const { return host_ != nullptr; }

protected:
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnFirstInitialisation() override;
    void OnTextsApplied() override;
    void OnColoursChanged() override;
    void OnDpiChanged(int dpi) override;
    bool MayChangeLanguage() override { return !Running(); }
    std::vector<FileError> OnLanguageStored(const tstring& marker) override;
    // During a run the close asks, and waits until the run has stopped.
    bool MayClose(int how) override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void TakeFooterColour();
    void FillUnits();
    void EnableUserSize(bool enable);

    void BrowseFile();
    void TakeSource(const tstring& path);
    void BrowseFolder();
    void TakeDrop(const tstrings& paths);
    void OfferMerge(const tstring& part);
    void RunDivide();
    // part: the part that was dropped; empty: the user picks one.
    void RunMerge(const tstring& part);
    void Run(const std::function<void()>& command);
    void EndRun();
    void EnableRunControls(bool enable);

    std::unique_ptr<WindowSliceHost> host_;
    SolidBrush footer_{0};   // the footer art's colour behind the progress line
    int pendingClose_ = 0;   // IDOK or IDCANCEL asked for during a run
    int runButton_ = 0;      // the button that started the run, for the focus after it
    tstring runButtonText_;  // its text, while it says Stop
};
