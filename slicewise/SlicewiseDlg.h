#pragma once
// The main window of Slicewise: collects what Divide needs (source file,
// output folder, part size), starts Divide and Merge, shows their status
// line and carries the menu commands.
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "slicewise/WindowSliceHost.h"
#include <memory>

class CSlicewiseDlg : public Dialog {
public:
    CSlicewiseDlg();
    ~CSlicewiseDlg() override;

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
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnHelp(const HELPINFO& info) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void InitializeWindow();
    void AddAboutItemOnce();
    void TranslateMenu();
    void TranslateControls();
    void FillUnits();
    void ShowAllUnitsWhenDropped();
    void EnableUserSize(bool enable);

    void BrowseFile();
    void BrowseFolder();
    void RunDivide();
    void RunMerge();
    void StartRun();
    void EndRun();
    void EnableRunControls(bool enable);
    void ChangeLanguage();
    void OpenHelpFile();
    void OpenWebsite();
    void ShowAbout();

    // Every way of closing: Exit and Enter end through the OK handling,
    // the close box and Escape through Cancel. During a run the close waits
    // until the run has stopped.
    void Close(int how);
    void ClearHandshake();

    CTranslation texts_;
    PowerClass power_;
    HICON icon_ = nullptr;
    Brush background_;
    Bitmap menuBitmaps_[5];
    bool aboutItemAdded_ = false;
    std::unique_ptr<WindowSliceHost> host_;
    int pendingClose_ = 0;   // IDOK or IDCANCEL asked for during a run
    int runButton_ = 0;      // the button that started the run, for the focus after it
};
