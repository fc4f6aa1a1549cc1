#include "toolcrate/ToolcrateDlg.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include "framework/Menus.h"
#include "framework/ProgramName.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
#include "toolcrate/core/LauncherTexts.h"
#include "toolcrate/resource.h"

namespace {

const TCHAR kLanguageKey[] = _T("Language");
// Full path with doubled separators, as the kind-10 read expects it.
const TCHAR kUacKey[] =
    _T("HKEY_LOCAL_MACHINE\\\\Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Policies\\\\System");
const TCHAR kUacValue[] = _T("EnableLUA");

const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kMaroon = RGB(128, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);

// Window menu positions.
enum { kFileMenu, kModuleMenu, kHelpMenu };
enum { kFileLanguage = 0, kFileExit = 2 };
enum { kHelpFiles = 0, kHelpWebsite = 1, kHelpAbout = 3 };

HFONT CreateLightFont(int height, const TCHAR* face) {
    return CreateFont(height, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_TT_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY, VARIABLE_PITCH, face);
}

MainWindowTables LauncherTables() {
    MainWindowTables tables;
    tables.templateId = IDD_TOOLCRATE_DIALOG;
    tables.icon = IDR_MAINFRAME;
    tables.aboutItemText = IDS_ABOUTBOX;
    tables.menuTitles = {launchertext::kFileMenu, launchertext::kModuleMenu,
                         launchertext::kHelpMenu};
    tables.menuItems = {
        {kFileMenu, kFileLanguage, launchertext::kLanguageItem, IDB_MENU_LANGUAGE},
        {kFileMenu, kFileExit, launchertext::kExitItem, IDB_MENU_EXIT},
        {kHelpMenu, kHelpFiles, launchertext::kHelpFilesItem, IDB_MENU_HELPFILES},
        {kHelpMenu, kHelpWebsite, launchertext::kWebsiteItem, IDB_MENU_WEBSITE},
        {kHelpMenu, kHelpAbout, launchertext::kAboutItem, IDB_MENU_ABOUT},
    };
    tables.pictures = {IDB_BANNER, IDB_LOGO};
    tables.controlTexts = {{IDC_GROUP_CLEANING, launchertext::kCleaningGroup},
                           {IDC_GROUP_TUNING, launchertext::kTuningGroup},
                           {IDC_GROUP_FILES, launchertext::kFilesGroup}};
    for (const SuiteModule& module : SuiteModules)
        tables.controlTexts.push_back({module.button, module.caption});
    // Language selection, Exit, help file, website, About.
    tables.commands = {ID_FILE_LANGUAGE, ID_FILE_EXIT, 0, ID_HELP_WEBSITE, ID_HELP_ABOUT};
    tables.languageDialog = {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO};
    tables.dialects = LauncherDialects();
    return tables;
}

}  // namespace

CToolcrateDlg::CToolcrateDlg()
    : MainWindow(LauncherTables()), launcher_(*this, Power(), Texts(), ProgramName()) {}

BOOL CToolcrateDlg::OnInitDialog() {
    UpdateData(false);
    MainWindow::OnInitDialog();
    if (Ended())
        return TRUE;   // the UAC question was answered No
    // The first tab stop takes the focus and, being a push button, becomes the
    // default one, so Enter starts its module. (Wine's dialog manager gives the
    // initial focus without making the button the default.) That focus is
    // no step of the user's: the welcome text stays.
    startFocus_ = true;
    FocusItem(GetNextDlgTabItem(Handle(), nullptr, FALSE));
    startFocus_ = false;
    return FALSE;
}

void CToolcrateDlg::DoDataExchange(DataExchange& exchange) {
    exchange.Text(IDC_WELCOME, WelcomeText);
    exchange.Text(IDC_DESCRIPTION, Description);
}

void CToolcrateDlg::OnFirstInitialisation() {
    CreateFonts();
    LayHoverAreas();
}

// The fields take the new fonts before the old ones go.
void CToolcrateDlg::CreateFonts() {
    Font caption(CreateLightFont(ScaleToDpi(23, Dpi()), _T("Tahoma")));
    for (int id : {IDC_GROUP_CLEANING, IDC_GROUP_TUNING, IDC_GROUP_FILES})
        Control(Item(id)).SetFont(caption.Get());
    Font description(CreateLightFont(ScaleToDpi(14, Dpi()), _T("Arial")));
    Control(Item(IDC_DESCRIPTION)).SetFont(description.Get());
    captionFont_ = std::move(caption);
    descriptionFont_ = std::move(description);
}

void CToolcrateDlg::LayHoverAreas() {
    RECT units = {0, 0, 4, 8};
    MapDialogRect(Handle(), &units);
    hover_.SetLayout(Dpi(), units.right, units.bottom);
}

void CToolcrateDlg::OnDpiChanged(int dpi) {
    MainWindow::OnDpiChanged(dpi);
    CreateFonts();
    LayHoverAreas();
}

// The question comes at the start only, not after a language change.
bool CToolcrateDlg::OnTextsLoaded(bool first) {
    if (!first || UserAcceptsUac())
        return true;
    // The window closes; its texts would never be seen.
    EndDialog(IDCANCEL);
    return false;
}

bool CToolcrateDlg::UserAcceptsUac() {
    Power().subKey = kUacKey;
    if (Power().ReadRegistryByte(PowerClass::kFullPath, kUacValue) != 1)
        return true;
    const tstring question =
        FormatText(_T("%s\n\n%s\n\n%s"),
                   {Texts().GetText(launchertext::kUacQuestion1),
                    Texts().GetText(launchertext::kUacQuestion2),
                    Texts().GetText(launchertext::kUacQuestion3)});
    return Ui().ShowMessage(Handle(), question, Texts().GetText(launchertext::kCaption),
                            MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The launcher's own texts, at start and after a language change.
void CToolcrateDlg::OnTextsApplied() {
    ApplyModuleMenuTexts();
    Description = Texts().GetText(launchertext::kStartFirstLine) + _T("\n") +
                  Texts().GetText(launchertext::kStartSecondLine);
    UpdateData(false);
    hover_.Reset();
}

// The module entries of the Module menu and of the help-file submenu, without
// leading blanks: they carry no bitmaps.
void CToolcrateDlg::ApplyModuleMenuTexts() {
    const HMENU bar = GetMenu(Handle());
    const HMENU modules = GetSubMenu(bar, kModuleMenu);
    for (int i = 0; i < GetMenuItemCount(modules); ++i)
        if (const SuiteModule* module = ModuleByLaunchCommand(GetMenuItemID(modules, i)))
            SetMenuItemTextAt(modules, i, Texts().GetText(module->menuText));
    const HMENU helpFiles = GetSubMenu(GetSubMenu(bar, kHelpMenu), kHelpFiles);
    for (int i = 0; i < GetMenuItemCount(helpFiles); ++i)
        if (const SuiteModule* module = ModuleByHelpCommand(GetMenuItemID(helpFiles, i)))
            SetMenuItemTextAt(helpFiles, i, Texts().GetText(module->menuText));
}

bool CToolcrateDlg::OnCommand(int id, int code, HWND control) {
    if (const SuiteModule* module = control ? ModuleByButton(id) : ModuleByLaunchCommand(id)) {
        if (code == BN_CLICKED)
            launcher_.LaunchModule(*module);
        else if (code == BN_SETFOCUS && !startFocus_)   // Tab and the arrow keys, as hovering
            ShowDescription(module->hoverFirst, module->hoverSecond);
        return true;
    }
    if (const SuiteModule* module = ModuleByHelpCommand(id)) {
        launcher_.OpenModuleHelp(*module);
        return true;
    }
    return MainWindow::OnCommand(id, code, control);
}

bool CToolcrateDlg::OnTimer(UINT_PTR) {
    launcher_.PollHandshake();
    return false;
}

bool CToolcrateDlg::OnMouseMove(UINT, POINT point) {
    const HoverTracker::Lines lines = hover_.MoveTo(point.x, point.y);
    if (lines.first)
        ShowDescription(lines.first, lines.second);
    return false;
}

bool CToolcrateDlg::OnHelp(const HELPINFO&) {
    ShowDescription(launchertext::kHelpFirstLine, launchertext::kHelpSecondLine);
    return false;
}

// Written to the field directly: the bound description keeps the start text.
void CToolcrateDlg::ShowDescription(int firstText, int secondText) {
    SetItemText(IDC_DESCRIPTION,
                Texts().GetText(firstText) + _T("\n") + Texts().GetText(secondText));
}

HBRUSH CToolcrateDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
    const HBRUSH face = MainWindow::OnCtlColor(dc, control, message);
    switch (GetDlgCtrlID(control)) {
    case IDC_GROUP_CLEANING:
    case IDC_DESCRIPTION:
        SetTransparentText(dc, TextOnFace(kNavy));
        break;
    case IDC_GROUP_TUNING:
        SetTransparentText(dc, TextOnFace(kMaroon));
        break;
    case IDC_GROUP_FILES:
        SetTransparentText(dc, TextOnFace(kGreen));
        break;
    default:
        break;
    }
    return face;
}

// The modules that follow the launcher's language; a module folder without
// settings is a module that is not installed.
std::vector<FileError> CToolcrateDlg::OnLanguageStored(const tstring& marker) {
    std::vector<FileError> failures;
    for (const SuiteModule& module : SuiteModules) {
        if (!module.takesLanguage)
            continue;
        const tstring folder = _T("\\") + tstring(module.name);
        const tstring path = Power().GetProgramFolder() + folder + _T("\\config.ini");
        if (!PowerClass::FileExists(path))
            continue;
        if (const WriteResult written = Power().WriteModuleSetting(folder, kLanguageKey, marker);
            !written)
            failures.push_back(FileError::FromLastError(written.error, path));
    }
    return failures;
}

void CToolcrateDlg::Tell(const tstring& text, const tstring& caption) {
    Ui().ShowMessage(Handle(), text, caption, MB_OK);
}

void CToolcrateDlg::Hide() { ShowWindow(Handle(), SW_HIDE); }
// The module that closed allowed it: the launcher comes back in front.
void CToolcrateDlg::Restore() {
    ShowWindow(Handle(), SW_RESTORE);
    Ui().BringToFront(Handle());
}
void CToolcrateDlg::StartLaunchTimer() {
    SetTimer(Handle(), ModuleLauncher::kTimerId, ModuleLauncher::kTimerPeriod, nullptr);
}
void CToolcrateDlg::StopLaunchTimer() { KillTimer(Handle(), ModuleLauncher::kTimerId); }
