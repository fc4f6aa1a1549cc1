#include "slicewise/SlicewiseDlg.h"
#include "common/Handshake.h"
#include "framework/ColourScheme.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/DpiBitmap.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
#include "slicewise/FileDrop.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/Merge.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSet.h"
#include "slicewise/core/StagedFile.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include <functional>
#include <iterator>

using namespace slicetext;

namespace {
const COLORREF kLabelText = RGB(0, 0, 128);
const COLORREF kEditText = RGB(50, 50, 50);
const COLORREF kProgressText = RGB(255, 255, 255);

const TCHAR kAllFilesFilter[] = _T("All files (*.*)|*.*");
const size_t kSourcePathChars = 61440;
// Appended to a chosen folder; the commands cut these 4 characters off again.
const TCHAR kFolderTail[] = _T("\\...");

MainWindowTables SplitterTables() {
    MainWindowTables tables;
    tables.templateId = IDD_SLICEWISE_DIALOG;
    tables.icon = IDR_MAINFRAME;
    tables.aboutItemText = IDS_ABOUTBOX;
    tables.menuTitles = {kFileMenu, kHelpMenu};
    tables.menuItems = {
        {0, 0, kLanguageItem, IDB_MENU_LANGUAGE}, {0, 2, kExitItem, IDB_MENU_EXIT},
        {1, 0, kHelpFileItem, IDB_MENU_HELP},     {1, 2, kWebsiteItem, IDB_MENU_WEBSITE},
        {1, 3, kAboutItem, IDB_MENU_ABOUT},
    };
    tables.pictures = {IDB_HEADER, IDB_FOOTER};
    tables.controlTexts = {
        {IDC_BROWSE_FILE, kBrowseFile},   {IDC_BROWSE_FOLDER, kBrowseFolder},
        {IDC_SIZE_FLOPPY, kSizeFloppy},   {IDC_SIZE_CD, kSizeCD},
        {IDC_SIZE_DVD, kSizeDVD},         {IDC_SIZE_100KB, kSize100KB},
        {IDC_SIZE_500KB, kSize500KB},     {IDC_SIZE_1MB, kSize1MB},
        {IDC_SIZE_2MB, kSize2MB},         {IDC_SIZE_USER, kSizeUser},
        {IDC_MERGE, kMergeButton},        {IDC_DIVIDE, kDivideButton},
        {IDC_SOURCE_GROUP, kSourceGroup}, {IDC_FOLDER_GROUP, kFolderGroup},
        {IDC_SIZE_GROUP, kSizeGroup},
        // The hidden labels that name the fields for screen readers.
        {IDC_SOURCE_LABEL, kSourceGroup}, {IDC_FOLDER_LABEL, kFolderGroup},
        {IDC_USER_SIZE_LABEL, kSizeUser}, {IDC_SIZE_UNIT_LABEL, kUnitLabel},
    };
    // Language selection, Exit, help file, website, About.
    tables.commands = {ID_FILE_LANGUAGE, ID_FILE_EXIT, ID_HELP_HELPFILE, ID_HELP_WEBSITE, ID_HELP_ABOUT};
    tables.languageDialog = {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO};
    tables.dialects = SlicewiseDialects();
    tables.handshakeKeys = {handshake::kKey, handshake::kEarlierKey};
    return tables;
}

const int kUnitTexts[] = {kUnitBytes, kUnitKB, kUnitMB, kUnitGB, kUnitParts};

const int kDefaultUnit = 1;   // KB

// Disabled while a command runs: everything that would start another
// command or change what the running one works on; the running command's
// button stays usable as its Stop button.
const int kRunLockedControls[] = {
    IDC_BROWSE_FILE, IDC_BROWSE_FOLDER, IDC_MERGE,      IDC_DIVIDE,
    IDC_SIZE_FLOPPY, IDC_SIZE_CD,       IDC_SIZE_DVD,   IDC_SIZE_100KB,
    IDC_SIZE_500KB,  IDC_SIZE_1MB,      IDC_SIZE_2MB,   IDC_SIZE_USER,
};

// An archive's volume is a file to divide like any other: only its archive
// program joins it.
bool IsPartOfSet(const tstring& path) {
    PartSet set;
    return PartSet::Recognise(path, set) == PartKind::kPart;
}

bool IsFolder(const tstring& path) {
    const DWORD attributes = GetFileAttributes(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSizeRadio(int id) {
    switch (id) {
    case IDC_SIZE_FLOPPY: case IDC_SIZE_CD: case IDC_SIZE_DVD: case IDC_SIZE_100KB:
    case IDC_SIZE_500KB: case IDC_SIZE_1MB: case IDC_SIZE_2MB:
        return true;
    default:
        return false;
    }
}
}  // namespace

CSlicewiseDlg::CSlicewiseDlg() : MainWindow(SplitterTables()) {}

void CSlicewiseDlg::DoDataExchange(DataExchange& exchange) {
    exchange.Text(IDC_SOURCE_PATH, SourcePath);
    exchange.Text(IDC_OUTPUT_FOLDER, OutputFolder);
    exchange.Radio(IDC_SIZE_FLOPPY, SizeChoice);
    exchange.Text(IDC_STATUS, StatusText);
    exchange.Int(IDC_USER_SIZE, UserSize);
    exchange.Text(IDC_WELCOME, WelcomeText);
    exchange.Text(IDC_INTRODUCTION, IntroductionText);
}

void CSlicewiseDlg::OnFirstInitialisation() {
    TakeFooterColour();
    AcceptDroppedFiles(Handle());
}

// The progress line stands on the footer art: its background is the art's
// colour there, as the art is shown at the window's DPI and scheme; in high
// contrast, where the art gives way, the face.
void CSlicewiseDlg::TakeFooterColour() {
    const std::vector<HWND> pictures = PictureControls(Handle());
    COLORREF colour = CLR_INVALID;
    if (SystemHighContrast().On()) {
        colour = Face();
    } else if (pictures.size() == 2) {   // header, footer
        RECT line;
        GetWindowRect(Item(IDC_PROGRESS_TEXT), &line);
        POINT at = {line.left, (line.top + line.bottom) / 2};
        ScreenToClient(pictures[1], &at);
        const HGDIOBJ art =
            reinterpret_cast<HGDIOBJ>(SendMessage(pictures[1], STM_GETIMAGE, IMAGE_BITMAP, 0));
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, art);
        colour = GetPixel(dc, at.x, at.y);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    footer_ = SolidBrush(colour == CLR_INVALID ? RGB(18, 41, 81) : colour);
}

// Runs when the window opens and again after a language change.
void CSlicewiseDlg::OnTextsApplied() {
    WelcomeText = Texts().GetText(kWelcome);
    IntroductionText = Texts().GetText(kIntroduction);
    FillUnits();
    EnableUserSize(false);
    UserSize = 150;
    SizeChoice = 4;
    UpdateData(false);
}

// The dialog manager gave the combo its template height again.
void CSlicewiseDlg::OnDpiChanged(int dpi) {
    MainWindow::OnDpiChanged(dpi);
    ComboBox(Item(IDC_SIZE_UNIT)).FitDroppedList(static_cast<int>(std::size(kUnitTexts)));
    TakeFooterColour();
}

void CSlicewiseDlg::OnColoursChanged() { TakeFooterColour(); }

void CSlicewiseDlg::FillUnits() {
    ComboBox units(Item(IDC_SIZE_UNIT));
    units.Clear();
    for (int text : kUnitTexts)
        units.Add(Texts().GetText(text));
    units.Select(kDefaultUnit);
    // The template gives the combo the height of its edit field only.
    units.FitDroppedList(static_cast<int>(std::size(kUnitTexts)));
}

void CSlicewiseDlg::EnableUserSize(bool enable) {
    EnableItem(IDC_USER_SIZE, enable);
    EnableItem(IDC_SIZE_UNIT, enable);
}

bool CSlicewiseDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_SIZE_USER || IsSizeRadio(id)) {
        if (code == BN_CLICKED)
            EnableUserSize(id == IDC_SIZE_USER);
        return true;
    }
    if (Running() && id == runButton_) {
        host_->RequestStop();
        return true;
    }
    switch (id) {
    case IDC_BROWSE_FILE: BrowseFile(); return true;
    case IDC_BROWSE_FOLDER: BrowseFolder(); return true;
    case IDC_DIVIDE: RunDivide(); return true;
    case IDC_MERGE: RunMerge(tstring()); return true;
    default: return MainWindow::OnCommand(id, code, control);
    }
}

HBRUSH CSlicewiseDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
    const HBRUSH face = MainWindow::OnCtlColor(dc, control, message);
    // The edit field and the list of the unit combo are the combo's children
    // with ids of their own (1001, 1000) that clash with ours.
    HWND owner = control;
    if (control && GetParent(control) != Handle())
        owner = GetParent(control);
    switch (owner ? GetDlgCtrlID(owner) : 0) {
    case IDC_PROGRESS_TEXT:
        // White on the footer's own colour where the line stands.
        SetTextColor(dc, ReadableText(kProgressText, footer_.Colour(), GetSysColor(COLOR_BTNTEXT)));
        SetBkColor(dc, footer_.Colour());
        return footer_.Get();
    case IDC_STATUS:
    case IDC_WELCOME:
    case IDC_INTRODUCTION:
        SetTransparentText(dc, TextOnFace(kLabelText));
        break;
    case IDC_SOURCE_PATH:
    case IDC_OUTPUT_FOLDER:
    case IDC_USER_SIZE:
    case IDC_SIZE_UNIT:
        SetTextColor(dc, TextOnFace(kEditText));
        break;
    default:
        break;
    }
    return face;
}

void CSlicewiseDlg::BrowseFile() {
    UpdateData(true);   // a bad size box is reported; browsing goes on
    tstring path;
    if (Ui().ChooseOpenFile(Handle(), kAllFilesFilter, kSourcePathChars, path))
        TakeSource(path);
}

void CSlicewiseDlg::TakeSource(const tstring& path) {
    SourcePath = path;
    if (OutputFolder.empty())
        OutputFolder = PowerClass::FolderOfPath(SourcePath) + kFolderTail;
    UpdateData(false);
}

void CSlicewiseDlg::BrowseFolder() {
    UpdateData(true);
    tstring folder;
    // Owned by the window, so that no second command starts behind it.
    if (!Ui().ChooseFolder(Handle(), Texts().GetText(kFolderPrompt), folder))
        return;
    OutputFolder = folder + kFolderTail;
    UpdateData(false);
}

// A file dropped on the window is the file to divide, as if browsed; a part
// of a set offers to merge the set. During a run the window takes no drop,
// as it takes no other command.
void CSlicewiseDlg::TakeDrop(const tstrings& paths) {
    if (Running() || paths.empty())
        return;
    if (IsPartOfSet(paths.front())) {
        OfferMerge(paths.front());
    } else if (paths.size() > 1 || IsFolder(paths.front())) {
        Ui().ShowMessage(Handle(), Texts().GetText(kDropOneFile), Texts().GetText(kCaption), MB_OK);
    } else {
        UpdateData(true);   // a bad size box is reported, as when browsing
        TakeSource(paths.front());
    }
}

void CSlicewiseDlg::OfferMerge(const tstring& part) {
    if (Ui().ShowMessage(Handle(), FormatText(Texts().GetText(kMergeDropped), {FileNameOf(part)}),
                         Texts().GetText(kCaption), MB_YESNO | MB_ICONQUESTION) == IDYES)
        RunMerge(part);
}

void CSlicewiseDlg::RunDivide() {
    UpdateData(true);   // a bad size box is reported; the old size is used
    DivideValues values;
    values.SourcePath = SourcePath;
    values.OutputFolder = OutputFolder;
    values.SizeChoice = SizeChoice;
    values.UserSize = UserSize;
    values.SizeUnit = ComboBox(Item(IDC_SIZE_UNIT)).Selection();
    runButton_ = IDC_DIVIDE;
    Run([&] { Divide(values, *host_); });
}

void CSlicewiseDlg::RunMerge(const tstring& part) {
    // Merge takes no values from the window, but its flash of the folder box
    // puts back the folder value: it is to be what the box shows, typed or not.
    OutputFolder = ItemText(IDC_OUTPUT_FOLDER);
    runButton_ = IDC_MERGE;
    Run([&] {
        if (part.empty())
            Merge(*host_);
        else
            MergePart(*host_, part);
    });
}

// Whatever the command throws, the window leaves its running state; the
// session waits for the run with a reason.
void CSlicewiseDlg::Run(const std::function<void()>& command) {
    host_.reset(new WindowSliceHost(Handle(), Texts(), StatusText, OutputFolder));
    EnableRunControls(false);
    Ui().BlockShutdown(Handle(), Texts().GetText(kShutdownReason));
    try {
        command();
    } catch (...) {
        Ui().ShowMessage(Handle(), Texts().GetText(kUnexpected), Texts().GetText(kCaption),
                         MB_OK | MB_ICONSTOP);
    }
    Ui().UnblockShutdown(Handle());
    EndRun();
}

void CSlicewiseDlg::EndRun() {
    host_->ShowLatest();
    host_.reset();
    EnableRunControls(true);
    if (pendingClose_) {
        const int how = pendingClose_;
        pendingClose_ = 0;
        Close(how);
    }
}

void CSlicewiseDlg::EnableRunControls(bool enable) {
    if (!enable) {
        // The pressed button loses its focus with its enabled state: give it
        // to the source box, which stays usable.
        FocusItem(Item(IDC_SOURCE_PATH));
    }
    for (int id : kRunLockedControls)
        EnableItem(id, enable || id == runButton_);
    DragAcceptFiles(Handle(), enable ? TRUE : FALSE);
    // The button gets its own text back afterwards, whatever gave it that.
    if (!enable)
        runButtonText_ = ItemText(runButton_);
    SetItemText(runButton_, enable ? runButtonText_ : Texts().GetText(kStopButton));
    EnableUserSize(enable && Button(Item(IDC_SIZE_USER)).IsChecked());
    if (const HMENU bar = GetMenu(Handle()))
        EnableMenuItem(bar, ID_FILE_LANGUAGE, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    if (enable && runButton_)
        FocusItem(Item(runButton_));
}

// The boxes keep what they show, typed or chosen, through the new
// initialisation.
std::vector<FileError> CSlicewiseDlg::OnLanguageStored(const tstring&) {
    SourcePath = ItemText(IDC_SOURCE_PATH);
    OutputFolder = ItemText(IDC_OUTPUT_FOLDER);
    return {};
}

// A close during a run asks first: Yes stops the run and closes once it
// has stopped, No lets it go on.
bool CSlicewiseDlg::MayClose(int how) {
    if (!Running())
        return true;
    if (Ui().ShowMessage(Handle(), Texts().GetText(kCloseQuestion),
                         Texts().GetText(kCaption), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        pendingClose_ = how;
        host_->RequestStop();
    }
    return false;
}

// A drop is read at once and its memory released. During a run the session
// is asked to wait; when it ends anyway, the run stops as a stop does, and
// its temporary files go before this message returns: the process may end
// then, before the run gets to clean up.
INT_PTR CSlicewiseDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        TakeDrop(DroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return TRUE;
    }
    if (message == WM_QUERYENDSESSION && Running()) {
        SetWindowLongPtr(Handle(), DWLP_MSGRESULT, FALSE);
        return TRUE;
    }
    if (message == WM_ENDSESSION && wParam && Running()) {
        host_->RequestStop();
        RemoveAllStaged();
    }
    return MainWindow::HandleMessage(message, wParam, lParam);
}
