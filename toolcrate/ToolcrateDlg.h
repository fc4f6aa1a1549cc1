#pragma once
// The launcher's window: a button and a menu entry per module, a description
// of the module under the mouse, language switch, help files, website, About.
#include "common/MainWindow.h"
#include "toolcrate/core/HoverTracker.h"
#include "toolcrate/core/ModuleLauncher.h"

class CToolcrateDlg : public MainWindow, private LauncherWindow {
public:
    CToolcrateDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnHelp(const HELPINFO& info) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

    void OnFirstInitialisation() override;
    bool OnTextsLoaded(bool first) override;
    void OnTextsApplied() override;
    std::vector<FileError> OnLanguageStored(const tstring& marker) override;
    void OnDpiChanged(int dpi) override;

private:
    void CreateFonts();   // for the window's DPI
    void LayHoverAreas();
    bool UserAcceptsUac();
    void ApplyModuleMenuTexts();
    void ShowDescription(int firstText, int secondText);

    // LauncherWindow
    void Tell(const tstring& text, const tstring& caption) override;
    void Hide() override;
    void Restore() override;
    void StartLaunchTimer() override;
    void StopLaunchTimer() override;

    ModuleLauncher launcher_;
    HoverTracker hover_;
    tstring Description;   // bound to the description field
    tstring WelcomeText;   // bound to the hidden welcome line; stays empty
    Font captionFont_;
    Font descriptionFont_;
    bool startFocus_ = false;   // the window gives its first button the focus
};
