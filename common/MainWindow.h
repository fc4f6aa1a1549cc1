#pragma once
// What the suite's three main windows do alike, written once: the window
// menu's About item, the icons, the menu and control texts by table, the
// colours of the user's scheme (followed while the window is open), the
// language change, the help file, the website, the About box, and closing by
// every way with the launcher's handshake values cleared. A program's main
// dialog derives from it, hands over its tables and keeps only its own
// commands; the hooks below are where the programs differ.
//
// Initialising the window (at the start, and again after a language change
// or whenever the program asks for it):
//   first time only: About item, icons, menu bitmaps and pictures for the
//                    window's DPI, OnFirstInitialisation
//   every time:      Load the texts, OnTextsLoaded, menu and control texts
//                    by table, OnTextsApplied
// A menu item or control whose number the loaded section lacks shows the
// template's text. When the language file gives no section at all, the
// window says so once, naming the file, as soon as it is on screen (a posted
// message), and shows its template's texts.
#include "common/LanguageSelection.h"
#include "common/PowerClass.h"
#include "common/TextTables.h"
#include "common/Translation.h"
#include "framework/BufferedFile.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include <vector>

// The shared commands by their menu ids; 0 where the program has none.
struct MainWindowCommands {
    int languageSelection = 0;
    int exit = 0;
    int helpFile = 0;
    int website = 0;
    int about = 0;
};

struct MainWindowTables {
    UINT templateId = 0;
    UINT icon = 0;                          // big and small window icon
    UINT aboutItemText = 0;                 // string resource of the window menu's About item
    std::vector<int> menuTitles;            // text of each menu-bar position, in order
    std::vector<MenuItemText> menuItems;
    std::vector<UINT> pictures;             // bitmaps of the template's pictures, in template order
    std::vector<ControlText> controlTexts;
    MainWindowCommands commands;
    LanguageDialogIds languageDialog{};
    std::vector<int> dialects;              // main languages that fold their dialects
    std::vector<tstring> handshakeKeys;     // "active" goes below HKLM and HKCU on closing
};

class MainWindow : public Dialog {
public:
    // The window menu's About command (any command whose id, its low four
    // bits cleared, is this one).
    static constexpr UINT kAboutCommand = 0x0010;
    // The face colour of the default scheme, which the art was drawn to
    // stand on.
    static constexpr COLORREF kDrawnFace = RGB(240, 240, 240);

    explicit MainWindow(MainWindowTables tables);

protected:
    BOOL OnInitDialog() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnHelp(const HELPINFO& info) override;   // the help file
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    void OnOK() override;       // Enter and Exit
    void OnCancel() override;   // Escape and the close box
    // The menu bitmaps and pictures for the new DPI; a program that sizes
    // more in pixels does its part and calls this.
    void OnDpiChanged(int dpi) override;

    // The whole initialisation; first is true only at the window's start.
    void InitializeWindow(bool first);

    // Hooks, in the order they run.
    // Once, before the first texts: fonts, image lists and the like.
    virtual void OnFirstInitialisation() {}
    // Right after loading the texts; false ends the initialisation there
    // (the window is closing).
    virtual bool OnTextsLoaded(bool /*first*/) { return true; }
    // After the tables' texts: the program's own texts and start work.
    virtual void OnTextsApplied() {}
    // Before a language change is offered; false: not now.
    virtual bool MayChangeLanguage() { return true; }
    // After the new language was stored, before the window is initialised
    // again; settings files of others that could not be written come back
    // for a report after the initialisation.
    virtual std::vector<FileError> OnLanguageStored(const tstring& /*marker*/) { return {}; }
    // Before closing (how: IDOK or IDCANCEL); false keeps the window open.
    virtual bool MayClose(int /*how*/) { return true; }
    // The colour scheme or high contrast changed; the pictures and menu
    // marks are already new and the window is repainted after it.
    virtual void OnColoursChanged() {}

    void ChangeLanguage();
    void ShowHelpFile();
    void OpenWebsite();
    void ShowAbout();
    // Closes as Enter (IDOK) or Escape (IDCANCEL) would, after MayClose and
    // with the handshake values cleared.
    void Close(int how);

    CTranslation& Texts() { return texts_; }
    const CTranslation& Texts() const { return texts_; }
    PowerClass& Power() { return power_; }
    // The window and its controls stand on the scheme's face colour.
    static COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
    static HBRUSH Background() { return GetSysColorBrush(COLOR_BTNFACE); }
    // A designed text colour where it reads on the face, the scheme's
    // otherwise and always in high contrast.
    static COLORREF TextOnFace(COLORREF designed);

private:
    void AddAboutItemOnce();
    void SetIcons();
    void KeepTemplateTexts();
    void ReportUnusableLanguageFile();
    void SetIconsForDpi(int dpi);
    void RememberFont();
    void LoadMenuBitmaps(int dpi);
    void SetMenuBitmaps();
    void ReplaceMenuBitmaps(int dpi);
    void ShowPictures(int dpi);
    void ApplyMenuTexts();
    void ClearHandshake();
    void FollowColourScheme();

    MainWindowTables tables_;
    CTranslation texts_;
    PowerClass power_;
    std::vector<Bitmap> menuBitmaps_;   // one per menu item, in table order
    // The template's texts of the tables' menu titles, items and controls.
    tstrings templateTitles_, templateItems_, templateControls_;
    std::vector<Bitmap> pictures_;      // none while the template's are shown
    IconHandle bigIcon_, smallIcon_;    // after a DPI change
    LOGFONT font_{};                    // the dialog's, and its size in points
    int fontPoints_ = 8;
    bool aboutItemAdded_ = false;
    bool languageFileReported_ = false;
};
