#include "ToolcrateDlg.h"
#include "resource.h"
#include "common/AboutDlg.h"
#include "common/LanguageSelection.h"
#include "framework/BufferedFile.h"
#include "framework/DataExchange.h"
#include "framework/Menus.h"
#include "framework/ProgramName.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"

namespace {

const TCHAR kLanguageKey[] = _T("Language");
const TCHAR kHomepageKey[] = _T("Homepage");
// Full path with doubled separators, as the kind-10 read expects it.
const TCHAR kUacKey[] =
    _T("HKEY_LOCAL_MACHINE\\\\Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Policies\\\\System");
const TCHAR kUacValue[] = _T("EnableLUA");

const COLORREF kBackground = RGB(240, 240, 240);
const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kMaroon = RGB(128, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);

// Window menu positions.
enum { kFileMenu, kModuleMenu, kHelpMenu };
enum { kFileLanguage = 0, kFileExit = 2 };
enum { kHelpFiles = 0, kHelpWebsite = 1, kHelpAbout = 3 };

// Menu bitmaps: resource, menu, position.
const struct {
    int bitmap;
    int menu;
    UINT position;
} kMenuMarks[] = {
    {IDB_MENU_LANGUAGE, kFileMenu, kFileLanguage}, {IDB_MENU_EXIT, kFileMenu, kFileExit},
    {IDB_MENU_HELPFILES, kHelpMenu, kHelpFiles},   {IDB_MENU_WEBSITE, kHelpMenu, kHelpWebsite},
    {IDB_MENU_ABOUT, kHelpMenu, kHelpAbout},
};

HFONT CreateLightFont(int height, const TCHAR* face) {
    return CreateFont(height, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_TT_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY, VARIABLE_PITCH, face);
}

// The user is told about a settings file that could not be written.
FileError SettingsFileError(const tstring& path) {
    return FileError::FromLastError(GetLastError(), path);
}

}  // namespace

CToolcrateDlg::CToolcrateDlg()
    : Dialog(IDD_TOOLCRATE_DIALOG),
      translation_(CTranslation::LauncherDialects()),
      launcher_(*this, power_, translation_, ProgramName()),
      icon_(LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINFRAME))),
      background_(kBackground) {}

BOOL CToolcrateDlg::OnInitDialog() { return InitLauncherWindow(); }

BOOL CToolcrateDlg::InitLauncherWindow() {
    Dialog::OnInitDialog();
    AddAboutToSystemMenu();
    SetIcon(icon_);
    CreateFonts();
    translation_.Load();
    if (!UserAcceptsUac()) {
        // The window closes; its texts would never be seen.
        EndDialog(IDCANCEL);
        return TRUE;
    }
    LoadMenuBitmaps();
    ApplyTexts();
    // The first tab stop takes the focus and, being a push button, becomes the
    // default one, so Enter starts its module. (Wine's dialog manager gives the
    // initial focus without making the button the default.)
    SendMessage(Handle(), WM_NEXTDLGCTL,
                reinterpret_cast<WPARAM>(GetNextDlgTabItem(Handle(), nullptr, FALSE)), TRUE);
    return FALSE;
}

void CToolcrateDlg::DoDataExchange(DataExchange& exchange) {
    exchange.Text(IDC_WELCOME, WelcomeText);
    exchange.Text(IDC_DESCRIPTION, Description);
}

void CToolcrateDlg::AddAboutToSystemMenu() {
    TCHAR text[256] = {};
    LoadString(GetModuleHandle(nullptr), IDS_ABOUTBOX, text, 256);
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu || text[0] == 0)
        return;
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CToolcrateDlg::CreateFonts() {
    captionFont_.Reset(CreateLightFont(23, _T("Tahoma")));
    for (int id : {IDC_GROUP_CLEANING, IDC_GROUP_TUNING, IDC_GROUP_FILES})
        SendDlgItemMessage(Handle(), id, WM_SETFONT,
                           reinterpret_cast<WPARAM>(captionFont_.Get()), TRUE);
    descriptionFont_.Reset(CreateLightFont(14, _T("Arial")));
    SendDlgItemMessage(Handle(), IDC_DESCRIPTION, WM_SETFONT,
                       reinterpret_cast<WPARAM>(descriptionFont_.Get()), TRUE);
}

void CToolcrateDlg::LoadMenuBitmaps() {
    for (size_t i = 0; i < 5; ++i)
        menuBitmaps_[i].Reset(
            LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(kMenuMarks[i].bitmap)));
}

bool CToolcrateDlg::UserAcceptsUac() {
    power_.subKey = kUacKey;
    if (power_.ReadRegistryByte(PowerClass::kFullPath, kUacValue) != 1)
        return true;
    const tstring question = FormatText(
        _T("%s\n\n%s\n\n%s"),
        {translation_.GetText(195), translation_.GetText(196), translation_.GetText(197)});
    return Ui().ShowMessage(Handle(), question, translation_.GetText(5),
                            MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Every text of the window, at start and after a language change.
void CToolcrateDlg::ApplyTexts() {
    ApplyMenuTexts();
    ApplyMenuBitmaps();
    Description = translation_.GetText(20) + _T("\n") + translation_.GetText(22);
    for (const SuiteModule& module : SuiteModules)
        SetItemText(module.button, translation_.GetText(module.caption));
    SetItemText(IDC_GROUP_CLEANING, translation_.GetText(10));
    SetItemText(IDC_GROUP_TUNING, translation_.GetText(11));
    SetItemText(IDC_GROUP_FILES, translation_.GetText(12));
    UpdateData(false);
    hover_.Reset();
}

void CToolcrateDlg::ApplyMenuTexts() {
    const HMENU bar = GetMenu(Handle());
    const tstring indent = _T("  ");
    SetMenuItemTextAt(bar, kFileMenu, translation_.GetText(200));
    SetMenuItemTextAt(bar, kModuleMenu, translation_.GetText(210));
    SetMenuItemTextAt(bar, kHelpMenu, translation_.GetText(245));

    const HMENU file = GetSubMenu(bar, kFileMenu);
    SetMenuItemTextAt(file, kFileLanguage, indent + translation_.GetText(202));
    SetMenuItemTextAt(file, kFileExit, indent + translation_.GetText(205));

    const HMENU modules = GetSubMenu(bar, kModuleMenu);
    for (int i = 0; i < GetMenuItemCount(modules); ++i)
        if (const SuiteModule* module = ModuleByLaunchCommand(GetMenuItemID(modules, i)))
            SetMenuItemTextAt(modules, i, translation_.GetText(module->menuText));

    const HMENU help = GetSubMenu(bar, kHelpMenu);
    SetMenuItemTextAt(help, kHelpFiles, indent + translation_.GetText(250));
    SetMenuItemTextAt(help, kHelpWebsite, indent + translation_.GetText(255));
    SetMenuItemTextAt(help, kHelpAbout, indent + translation_.GetText(260));
    const HMENU helpFiles = GetSubMenu(help, kHelpFiles);
    for (int i = 0; i < GetMenuItemCount(helpFiles); ++i)
        if (const SuiteModule* module = ModuleByHelpCommand(GetMenuItemID(helpFiles, i)))
            SetMenuItemTextAt(helpFiles, i, translation_.GetText(module->menuText));
}

void CToolcrateDlg::ApplyMenuBitmaps() {
    const HMENU bar = GetMenu(Handle());
    for (size_t i = 0; i < 5; ++i)
        SetMenuItemBitmapAt(GetSubMenu(bar, kMenuMarks[i].menu), kMenuMarks[i].position,
                            menuBitmaps_[i].Get());
    DrawMenuBar(Handle());
}

bool CToolcrateDlg::OnCommand(int id, int code, HWND control) {
    if (const SuiteModule* module = control ? ModuleByButton(id) : ModuleByLaunchCommand(id)) {
        if (code == BN_CLICKED)
            launcher_.LaunchModule(*module);
        return true;
    }
    if (const SuiteModule* module = ModuleByHelpCommand(id)) {
        launcher_.OpenModuleHelp(*module);
        return true;
    }
    switch (id) {
    case ID_FILE_LANGUAGE:
        ChangeLanguage();
        return true;
    case ID_FILE_EXIT:
        EndDialog(IDOK);
        return true;
    case ID_HELP_WEBSITE:
        OpenWebsite();
        return true;
    case ID_HELP_ABOUT:
        ShowAbout();
        return true;
    default:
        return Dialog::OnCommand(id, code, control);
    }
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
    ShowDescription(80, 82);
    return false;
}

// Written to the field directly: the bound description keeps the start text.
void CToolcrateDlg::ShowDescription(int firstText, int secondText) {
    SetItemText(IDC_DESCRIPTION,
                translation_.GetText(firstText) + _T("\n") + translation_.GetText(secondText));
}

HBRUSH CToolcrateDlg::OnCtlColor(HDC dc, HWND control, UINT) {
    switch (GetDlgCtrlID(control)) {
    case IDC_GROUP_CLEANING:
    case IDC_DESCRIPTION:
        SetTransparentText(dc, kNavy);
        break;
    case IDC_GROUP_TUNING:
        SetTransparentText(dc, kMaroon);
        break;
    case IDC_GROUP_FILES:
        SetTransparentText(dc, kGreen);
        break;
    default:
        break;
    }
    return background_.Get();
}

bool CToolcrateDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    ShowAbout();
    return true;
}

void CToolcrateDlg::ChangeLanguage() {
    const tstring stored = power_.ReadSetting(kLanguageKey);
    CLanguageSelection selection(CLanguageSelection::kToolcrate);
    selection.prompt = translation_.GetText(1);
    selection.currentMarker = stored;
    selection.DoModal(Handle());
    const tstring chosen = selection.currentMarker;
    if (chosen == stored)
        return;

    const tstring ownSettings = power_.GetProgramFolder() + _T("\\config.ini");
    if (!power_.WriteSetting(kLanguageKey, chosen)) {
        // Taken at once: building the caption may overwrite the last error.
        const FileError failure = SettingsFileError(ownSettings);
        ReportFileError(Handle(), failure, ProgramName());
        return;
    }
    // A module folder without settings is a module that is not installed.
    std::vector<FileError> failures;
    for (const SuiteModule& module : SuiteModules) {
        if (!module.takesLanguage)
            continue;
        const tstring folder = _T("\\") + tstring(module.name);
        const tstring path = power_.GetProgramFolder() + folder + _T("\\config.ini");
        if (PowerClass::FileExists(path) && !power_.WriteModuleSetting(folder, kLanguageKey, chosen))
            failures.push_back(SettingsFileError(path));
    }
    translation_.Load();
    ApplyTexts();
    for (const FileError& failure : failures)
        ReportFileError(Handle(), failure, ProgramName());
}

void CToolcrateDlg::OpenWebsite() {
    const tstring homepage = power_.ReadSetting(kHomepageKey);
    if (homepage.empty())
        return;
    ShellStart start;
    start.verb = _T("open");
    start.file = homepage;
    start.show = SW_SHOWNORMAL;
    Ui().Shell(start);
}

void CToolcrateDlg::ShowAbout() {
    CAboutDlg about;
    about.DoModal(Handle());
}

void CToolcrateDlg::Hide() { ShowWindow(Handle(), SW_HIDE); }
void CToolcrateDlg::Restore() { ShowWindow(Handle(), SW_RESTORE); }
void CToolcrateDlg::StartLaunchTimer() {
    SetTimer(Handle(), ModuleLauncher::kTimerId, ModuleLauncher::kTimerPeriod, nullptr);
}
void CToolcrateDlg::StopLaunchTimer() { KillTimer(Handle(), ModuleLauncher::kTimerId); }
