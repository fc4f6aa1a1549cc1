#include "common/MainWindow.h"
#include "common/Handshake.h"
#include "common/RegistryPlace.h"
#include "common/AboutDlg.h"
#include "common/HelpFile.h"
#include "framework/ColourScheme.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/DpiBitmap.h"
#include "framework/Menus.h"
#include "framework/ProgramName.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
#include <cstdlib>

namespace {
const TCHAR kLanguageKey[] = _T("Language");
const TCHAR kHomepageKey[] = _T("Homepage");
const int kLanguagePromptText = 1;
// Posted to itself: the window shows the unusable language file's report.
const UINT kReportLanguageFile = WM_APP + 0x100;
// Fixed: the language file that would translate it is the one in question.
const TCHAR kUnusableLanguageFile[] = _T(
    "The language file %s is missing or cannot be read. "
    "The program shows its built-in English texts.");

HINSTANCE Program() { return GetModuleHandle(nullptr); }
}  // namespace

MainWindow::MainWindow(MainWindowTables tables)
    : Dialog(tables.templateId), tables_(std::move(tables)), texts_(tables_.dialects) {}

BOOL MainWindow::OnInitDialog() {
    InitializeWindow(true);
    return TRUE;
}

void MainWindow::InitializeWindow(bool first) {
    if (first) {
        AddAboutItemOnce();
        SetIcons();
        KeepTemplateTexts();
        RememberFont();
        LoadMenuBitmaps(Dpi());
        ShowPictures(Dpi());
        OnFirstInitialisation();
    }
    texts_.Load();
    if (!texts_.Loaded())
        ReportUnusableLanguageFile();
    if (!OnTextsLoaded(first))
        return;
    ApplyMenuTexts();
    ApplyControlTexts(Handle(), texts_, tables_.controlTexts, templateControls_);
    OnTextsApplied();
}

void MainWindow::KeepTemplateTexts() {
    const HMENU bar = GetMenu(Handle());
    for (size_t position = 0; position < tables_.menuTitles.size(); ++position)
        templateTitles_.push_back(MenuItemTextAt(bar, static_cast<UINT>(position)));
    for (const MenuItemText& item : tables_.menuItems)
        templateItems_.push_back(MenuItemTextAt(GetSubMenu(bar, item.menu), item.position));
    templateControls_ = CurrentControlTexts(Handle(), tables_.controlTexts);
}

// Once per window: a language change to the same broken file says nothing new.
// The report waits until the window shows, so that it stands in front of the
// window it speaks of.
void MainWindow::ReportUnusableLanguageFile() {
    if (languageFileReported_)
        return;
    languageFileReported_ = true;
    PostMessage(Handle(), kReportLanguageFile, 0, 0);
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOLORCHANGE ||
        (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST))
        FollowColourScheme();
    if (message != kReportLanguageFile)
        return Dialog::HandleMessage(message, wParam, lParam);
    Ui().ShowMessage(Handle(), FormatText(kUnusableLanguageFile, {texts_.LanguageFilePath()}),
                     Control(Handle()).Text(), MB_OK | MB_ICONWARNING);
    return TRUE;
}

void MainWindow::AddAboutItemOnce() {
    if (aboutItemAdded_)
        return;
    aboutItemAdded_ = true;
    TCHAR text[256] = {};
    const HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (!systemMenu || !LoadString(Program(), tables_.aboutItemText, text, 256))
        return;
    AppendMenu(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(systemMenu, MF_STRING, kAboutCommand, text);
}

void MainWindow::SetIcons() {
    // A window that opens on a monitor of another DPI than the system's.
    if (Dpi() != WindowDpi(nullptr)) {
        SetIconsForDpi(Dpi());
        return;
    }
    const HICON big = LoadIcon(Program(), MAKEINTRESOURCE(tables_.icon));
    const HICON small = static_cast<HICON>(
        LoadImage(Program(), MAKEINTRESOURCE(tables_.icon), IMAGE_ICON,
                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SetIcon(big, small);
}

void MainWindow::ApplyMenuTexts() {
    const HMENU bar = GetMenu(Handle());
    if (!bar)
        return;
    for (size_t position = 0; position < tables_.menuTitles.size(); ++position) {
        const int text = tables_.menuTitles[position];
        SetMenuItemTextAt(bar, static_cast<UINT>(position),
                          texts_.Has(text) ? texts_.GetText(text) : templateTitles_[position]);
    }
    for (size_t i = 0; i < tables_.menuItems.size(); ++i) {
        const MenuItemText& item = tables_.menuItems[i];
        const HMENU menu = GetSubMenu(bar, item.menu);
        SetMenuItemTextAt(menu, item.position, texts_.Has(item.text)
                                                   ? _T("  ") + texts_.GetText(item.text)
                                                   : templateItems_[i]);
    }
    SetMenuBitmaps();
    DrawMenuBar(Handle());
}

void MainWindow::SetMenuBitmaps() {
    const HMENU bar = GetMenu(Handle());
    for (size_t i = 0; bar && i < tables_.menuItems.size(); ++i)
        if (menuBitmaps_[i].Get())
            SetMenuItemBitmapAt(GetSubMenu(bar, tables_.menuItems[i].menu),
                                tables_.menuItems[i].position, menuBitmaps_[i].Get());
}

// The template's font and its size, for the layout at other DPIs.
void MainWindow::RememberFont() {
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(Handle(), WM_GETFONT, 0, 0));
    if (font && GetObject(font, sizeof font_, &font_))
        fontPoints_ = MulDiv(std::abs(font_.lfHeight), 72, Dpi());
}

// The marks are the items' check-mark bitmaps, which menus copy as they are
// (no transparency: Wine blits them with SRCCOPY, alpha and all), so their
// grey backdrop takes the menu's colour as the art's takes the face. A
// classic menu, and every menu in high contrast, stands on COLOR_MENU; a
// themed menu of Windows 10 and 11 paints its own light background whatever
// COLOR_MENU says, but there the scheme's COLOR_MENU is the default grey the
// marks were drawn on, so they stay as drawn. An owner-drawn or
// HBMMENU_CALLBACK mark could be transparent on both, but it would be the
// item's bitmap, not its check mark, and would move the item's text.
void MainWindow::LoadMenuBitmaps(int dpi) {
    const Backdrop backdrop{kDrawnFace, GetSysColor(COLOR_MENU)};
    menuBitmaps_.clear();
    for (const MenuItemText& item : tables_.menuItems)
        menuBitmaps_.emplace_back(
            item.bitmap ? LoadScaledBitmap(Program(), item.bitmap, DpiScale(dpi), backdrop)
                        : nullptr);
}

// The menus let go of the old bitmaps before they are deleted.
void MainWindow::ReplaceMenuBitmaps(int dpi) {
    const std::vector<Bitmap> old = std::move(menuBitmaps_);
    LoadMenuBitmaps(dpi);
    SetMenuBitmaps();
    DrawMenuBar(Handle());
}

// The pictures belong to the layout: they grow as the dialog's units grow,
// so that none reaches past the controls around it, and they meet the window
// on its face colour. At 96 DPI on the default face the template's pictures
// stay until a DPI or a scheme replaced them. In high contrast the art gives
// way to the plain face.
void MainWindow::ShowPictures(int dpi) {
    const std::vector<HWND> controls = PictureControls(Handle());
    const bool art = !SystemHighContrast().On();
    for (HWND control : controls)
        ShowWindow(control, art ? SW_SHOWNA : SW_HIDE);
    const Backdrop backdrop{kDrawnFace, Face()};
    if (dpi == kBaseDpi && backdrop.face == backdrop.drawnOn && pictures_.empty())
        return;
    const Scale scale = LayoutScale(font_, fontPoints_, dpi);
    std::vector<Bitmap> shown;
    for (size_t i = 0; i < controls.size() && i < tables_.pictures.size(); ++i) {
        shown.emplace_back(LoadScaledBitmap(Program(), tables_.pictures[i], scale, backdrop));
        const LPARAM bitmap = reinterpret_cast<LPARAM>(shown.back().Get());
        const HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
            SendMessage(controls[i], STM_SETIMAGE, IMAGE_BITMAP, bitmap));
        if (pictures_.empty() && previous)
            DeleteObject(previous);   // the template's, handed back
    }
    pictures_ = std::move(shown);
}

void MainWindow::OnDpiChanged(int dpi) {
    ReplaceMenuBitmaps(dpi);
    ShowPictures(dpi);
    SetIconsForDpi(dpi);
}

// Owned, not shared: the system shares icons of its standard sizes only.
void MainWindow::SetIconsForDpi(int dpi) {
    const auto load = [&](int width, int height) {
        return IconHandle(static_cast<HICON>(
            LoadImage(Program(), MAKEINTRESOURCE(tables_.icon), IMAGE_ICON,
                      SystemMetricForDpi(width, dpi), SystemMetricForDpi(height, dpi), 0)));
    };
    IconHandle big = load(SM_CXICON, SM_CYICON), small = load(SM_CXSMICON, SM_CYSMICON);
    SetIcon(big.Get(), small.Get());
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
    const MainWindowCommands& commands = tables_.commands;
    if (id == 0)
        return Dialog::OnCommand(id, code, control);
    if (id == commands.languageSelection)
        ChangeLanguage();
    else if (id == commands.exit)
        Close(IDOK);
    else if (id == commands.helpFile)
        ShowHelpFile();
    else if (id == commands.website)
        OpenWebsite();
    else if (id == commands.about)
        ShowAbout();
    else
        return Dialog::OnCommand(id, code, control);
    return true;
}

bool MainWindow::OnHelp(const HELPINFO&) {
    ShowHelpFile();
    return true;
}

// Every control stands on the face in the scheme's text colour unless the
// program says otherwise; a DC starts with black text, which a dark scheme
// would hide.
HBRUSH MainWindow::OnCtlColor(HDC dc, HWND, UINT) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, Face());
    return Background();
}

COLORREF MainWindow::TextOnFace(COLORREF designed) {
    return ReadableText(designed, Face(), GetSysColor(COLOR_BTNTEXT));
}

// The common controls learn of the new colours only from their parent.
void MainWindow::FollowColourScheme() {
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessage(child, WM_SYSCOLORCHANGE, 0, 0);
    ReplaceMenuBitmaps(Dpi());
    ShowPictures(Dpi());
    OnColoursChanged();
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool MainWindow::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != kAboutCommand)
        return false;
    ShowAbout();
    return true;
}

void MainWindow::OnOK() { Close(IDOK); }
void MainWindow::OnCancel() { Close(IDCANCEL); }

void MainWindow::ChangeLanguage() {
    if (!MayChangeLanguage())
        return;
    const tstring stored = power_.ReadSetting(kLanguageKey);
    CLanguageSelection dialog(tables_.languageDialog);
    dialog.prompt = texts_.GetText(kLanguagePromptText);
    dialog.currentMarker = stored;
    dialog.DoModal(Handle());
    const tstring chosen = dialog.currentMarker;
    if (chosen == stored)
        return;
    if (const WriteResult written = power_.WriteSetting(kLanguageKey, chosen); !written) {
        // The window keeps its language: only a stored choice is applied.
        ReportFileError(Handle(), FileError::FromLastError(written.error, power_.SettingsFilePath()),
                        ProgramName());
        return;
    }
    const std::vector<FileError> others = OnLanguageStored(chosen);
    InitializeWindow(false);
    for (const FileError& failure : others)
        ReportFileError(Handle(), failure, ProgramName());
}

void MainWindow::ShowHelpFile() { OpenHelpFile(Handle()); }

void MainWindow::OpenWebsite() {
    // The shell would open some unrelated window for an empty text.
    const tstring homepage = power_.ReadSetting(kHomepageKey);
    if (homepage.empty())
        return;
    ShellStart start;
    start.owner = Handle();
    start.verb = _T("open");
    start.file = homepage;
    Ui().Shell(start);
}

void MainWindow::ShowAbout() {
    CAboutDlg about;
    about.DoModal(Handle());
}

void MainWindow::Close(int how) {
    if (!MayClose(how))
        return;
    // The launcher waiting for the handshake may come to the front then.
    if (!tables_.handshakeKeys.empty())
        Ui().AllowForeground();
    ClearHandshake();
    if (how == IDOK)
        Dialog::OnOK();   // stays open when a value of the window is not valid
    else
        Dialog::OnCancel();
}

// The launcher waits for these values to go; a key that is not there is no
// failure worth a word, and no other failure stops the window from closing.
void MainWindow::ClearHandshake() {
    for (const tstring& key : tables_.handshakeKeys)
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            (void)registry::DeleteValue({root, key}, handshake::kValue);
}
