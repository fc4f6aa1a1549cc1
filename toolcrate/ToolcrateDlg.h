#pragma once
// The launcher's window: a button and a menu entry per module, a description
// of the module under the mouse, language switch, help files, website, About.
#include "HoverTracker.h"
#include "ModuleLauncher.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CToolcrateDlg : public Dialog, private LauncherWindow {
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
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;

private:
    BOOL InitLauncherWindow();
    void AddAboutToSystemMenu();
    void CreateFonts();
    void LoadMenuBitmaps();
    bool UserAcceptsUac();
    void ApplyTexts();
    void ApplyMenuTexts();
    void ApplyMenuBitmaps();
    void ShowDescription(int firstText, int secondText);
    void ChangeLanguage();
    void OpenWebsite();
    void ShowAbout();

    // LauncherWindow
    HWND Owner() const override { return Handle(); }
    void Hide() override;
    void Restore() override;
    void StartLaunchTimer() override;
    void StopLaunchTimer() override;

    CTranslation translation_;
    PowerClass power_;
    ModuleLauncher launcher_;
    HoverTracker hover_;
    tstring Description;   // bound to the description field
    tstring WelcomeText;   // bound to the hidden welcome line; stays empty
    HICON icon_;
    Font captionFont_;
    Font descriptionFont_;
    Bitmap menuBitmaps_[5];
    SolidBrush background_;
};
