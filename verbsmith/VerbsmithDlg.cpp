#include "VerbsmithDlg.h"
#include "AddEditDlg.h"
#include "resource.h"
#include "common/AboutDlg.h"
#include "common/LanguageSelection.h"
#include "framework/Menus.h"
#include "framework/UiSeam.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/EntryModel.h"

namespace {

// Texts of this window beyond those the entry operations show.
enum : int {
    kLanguagePrompt = 1,
    kGroupText = 70,
    kRemoveButton = 75,
    kEditButton = 90,
    kAddEntry = 95,
    kNothingToEdit = 100,
    kNothingToToggle = 105,
    kNothingToRemove = 110,
    kNothingToExecute = 112,
};

const COLORREF kBackground = RGB(240, 240, 240);
const COLORREF kCountLineColour = RGB(33, 93, 198);

// The row images, in image-list order.
const int kRowIcons[] = {133, 134, 135, 136, 137, 138, 139, 150};

struct MenuTitle {
    int position;
    int text;
};
const MenuTitle kMenuTitles[] = {{0, 200}, {1, 222}, {2, 250}};

// The menu items by position (their commands stay as the menu resource
// has them): menu, position in it, text and image.
struct MenuEntry {
    int menu;
    int position;
    int text;
    int bitmap;
};
const MenuEntry kMenuEntries[] = {
    {0, 0, 215, IDB_MENU_LANGUAGE},         // Language Selection
    {0, 2, 220, IDB_MENU_EXIT},             // Exit
    {1, 0, kAddEntry, IDB_MENU_ADD},        // Add Entry
    {1, 2, 224, IDB_MENU_EXECUTE},          // Execute selected Program
    {1, 4, 226, IDB_MENU_CHECK},            // Check entries for errors
    {2, 0, 255, IDB_MENU_HELP},             // Show help file
    {2, 2, 260, IDB_MENU_WEBSITE},          // Go to website
    {2, 3, 265, IDB_MENU_ABOUT},            // About
};

struct ColumnSpec {
    int text;
    int width;
};
const ColumnSpec kColumns[] = {{texts::kColumnName, 130},
                               {texts::kColumnCategory, 120},
                               {texts::kColumnValue, 300}};

const TCHAR kLauncherKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");

}  // namespace

CVerbsmithDlg::CVerbsmithDlg()
    : Dialog(IDD_VERBSMITH_DIALOG),
      icon_(LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINFRAME))),
      translation_(CTranslation::EditorDialects()),
      background_(kBackground) {
    static_assert(std::size(kMenuEntries) == std::tuple_size<decltype(menuBitmaps_)>::value,
                  "one bitmap per menu item");
    for (size_t i = 0; i < menuBitmaps_.size(); ++i)
        menuBitmaps_[i].Reset(
            LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(kMenuEntries[i].bitmap)));
}

CVerbsmithDlg::~CVerbsmithDlg() {
    // The window (with its menu and list) goes before what they use.
    if (Handle() && !IsModal())
        DestroyWindow(Handle());
    if (imageList_)
        ImageList_Destroy(imageList_);
}

BOOL CVerbsmithDlg::OnInitDialog() {
    AddAboutItem();
    SetIcon(icon_);
    Reinitialise();
    return TRUE;
}

void CVerbsmithDlg::AddAboutItem() {
    TCHAR text[256] = {};
    LoadString(GetModuleHandle(nullptr), IDS_ABOUTBOX, text, 256);
    const HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (!text[0] || !systemMenu)
        return;
    AppendMenu(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CVerbsmithDlg::Reinitialise() {
    AttachImageList();
    translation_.Load();
    TranslateMenus();
    TranslateControls();
    RefreshEntryList();
}

void CVerbsmithDlg::AttachImageList() {
    // One image list for the window's life: the list shares it (the
    // template's LVS_SHAREIMAGELISTS) and this window destroys it.
    if (!imageList_) {
        imageList_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
        for (int id : kRowIcons) {
            const HICON icon = static_cast<HICON>(
                LoadImage(GetModuleHandle(nullptr), MAKEINTRESOURCE(id), IMAGE_ICON, 16, 16, 0));
            ImageList_ReplaceIcon(imageList_, -1, icon);
            DestroyIcon(icon);
        }
    }
    List().SetImageList(imageList_, LVSIL_NORMAL);
    List().SetImageList(imageList_, LVSIL_SMALL);
}

void CVerbsmithDlg::TranslateMenus() {
    const HMENU bar = GetMenu(Handle());
    if (!bar)
        return;
    for (const MenuTitle& title : kMenuTitles)
        SetMenuItemTextAt(bar, title.position, translation_.GetText(title.text));
    for (size_t i = 0; i < std::size(kMenuEntries); ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        const HMENU menu = GetSubMenu(bar, entry.menu);
        // Two blanks leave room for the item's image.
        SetMenuItemTextAt(menu, entry.position, _T("  ") + translation_.GetText(entry.text));
        SetMenuItemBitmapAt(menu, entry.position, menuBitmaps_[i].Get());
    }
    DrawMenuBar(Handle());
}

void CVerbsmithDlg::TranslateControls() {
    SetItemText(IDC_ENTRIES_GROUP, translation_.GetText(kGroupText));
    SetItemText(IDC_REMOVE, translation_.GetText(kRemoveButton));
    SetItemText(IDC_TOGGLE, translation_.GetText(texts::kDeactivateButton));
    SetItemText(IDC_EDIT, translation_.GetText(kEditButton));
    SetItemText(IDC_ADD, translation_.GetText(kAddEntry));
}

void CVerbsmithDlg::RefreshEntryList() {
    ListView list = List();
    // Three times column 0: the columns of the last run go, whatever they were.
    for (int i = 0; i < 3; ++i)
        ListView_DeleteColumn(list.Handle(), 0);
    for (int i = 0; i < 3; ++i)
        list.InsertColumn(i, translation_.GetText(kColumns[i].text), kColumns[i].width);
    list.DeleteAll();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    entryKeyPaths.clear();
    const EntryList entries = ScanEntryList(power_, translation_);
    for (size_t i = 0; i < entries.rows.size(); ++i) {
        const EntryRow& row = entries.rows[i];
        const int index = list.InsertRow(list.Count(), row.name, row.iconIndex);
        if (index < 0)
            continue;   // rows and key paths stay parallel
        list.SetCell(index, 2, row.value);
        list.SetCell(index, 1, row.category);
        entryKeyPaths.push_back(entries.entryKeyPaths[i]);
    }
    SetItemText(IDC_COUNT_LINE, CountLine(translation_, static_cast<size_t>(list.Count())));
}

int CVerbsmithDlg::SelectedRow() const {
    const HWND list = Item(IDC_ENTRY_LIST);
    const int row = ListView_GetSelectionMark(list);
    return row < ListView_GetItemCount(list) ? row : -1;
}

ListedEntry CVerbsmithDlg::EntryOfRow(int row) const {
    ListedEntry entry;
    entry.name = List().Cell(row, 0);
    entry.category = List().Cell(row, 1);
    entry.value = List().Cell(row, 2);
    if (row >= 0 && static_cast<size_t>(row) < entryKeyPaths.size())
        entry.keyPath = entryKeyPaths[static_cast<size_t>(row)];
    return entry;
}

void CVerbsmithDlg::Message(int textNumber) {
    ShowEditorMessage(translation_, Handle(), textNumber);
}

void CVerbsmithDlg::UpdateButtonStates() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    const HWND toggle = Item(IDC_TOGGLE);
    EnableWindow(toggle, FALSE);
    EnableWindow(Item(IDC_REMOVE), TRUE);
    EnableWindow(Item(IDC_EDIT), TRUE);
    const tstring value = List().Cell(row, 2);
    if (IsActiveHandlerValue(value) || IsDeactivatedHandlerValue(value)) {
        EnableWindow(toggle, TRUE);
        SetItemText(IDC_TOGGLE, translation_.GetText(ActivationButtonText(value)));
        EnableWindow(Item(IDC_REMOVE), FALSE);
    }
    if (value == translation_.GetText(texts::kUnreadableLink)) {
        SetItemText(IDC_TOGGLE, translation_.GetText(texts::kDeactivateButton));
        EnableWindow(Item(IDC_REMOVE), FALSE);
        EnableWindow(Item(IDC_EDIT), FALSE);
    }
}

bool CVerbsmithDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_ADD:
    case ID_FUNCTIONS_ADD: AddEntry(); return true;
    case IDC_EDIT: EditSelectedEntry(); return true;
    case IDC_TOGGLE: ToggleSelectedEntry(); return true;
    case IDC_REMOVE: RemoveSelectedEntry(); return true;
    case ID_FUNCTIONS_EXECUTE: ExecuteSelectedEntry(); return true;
    case ID_FUNCTIONS_CHECK: CheckEntries(); return true;
    case ID_FILE_LANGUAGE: ChooseLanguage(); return true;
    case ID_HELP_HELPFILE: ShowHelpFile(); return true;
    case ID_HELP_WEBSITE: OpenWebsite(); return true;
    case ID_HELP_ABOUT: ShowAbout(); return true;
    case ID_FILE_EXIT: CloseWindow(IDOK); return true;
    default: return Dialog::OnCommand(id, code, control);
    }
}

bool CVerbsmithDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
    if (id != IDC_ENTRY_LIST)
        return false;
    if (header.code == NM_CLICK) {
        UpdateButtonStates();
    } else if (header.code == NM_DBLCLK) {
        const int row = SelectedRow();
        if (row < 0 || List().Cell(row, 2) != translation_.GetText(texts::kUnreadableLink))
            EditSelectedEntry();
    }
    return false;
}

bool CVerbsmithDlg::OnHelp(const HELPINFO&) {
    ShowHelpFile();
    return true;
}

HBRUSH CVerbsmithDlg::OnCtlColor(HDC dc, HWND control, UINT) {
    SetBkColor(dc, kBackground);
    if (GetDlgCtrlID(control) == IDC_COUNT_LINE)
        SetTextColor(dc, kCountLineColour);
    return background_.Get();
}

bool CVerbsmithDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    ShowAbout();
    return true;
}

void CVerbsmithDlg::OnOK() { CloseWindow(IDOK); }
void CVerbsmithDlg::OnCancel() { CloseWindow(IDCANCEL); }

void CVerbsmithDlg::AddEntry() {
    AddEditDlg dialog;
    dialog.addMode = true;
    dialog.DoModal(Handle());
    Reinitialise();
}

void CVerbsmithDlg::EditSelectedEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        Message(kNothingToEdit);
        return;
    }
    const ListedEntry entry = EntryOfRow(row);
    AddEditDlg dialog;
    dialog.addMode = false;
    dialog.entryKeyPath = entry.keyPath;
    dialog.Name = entry.name;
    dialog.entryTypeText = entry.category;
    dialog.Value = entry.value;
    dialog.DoModal(Handle());
    Reinitialise();
    List().Focus();
}

void CVerbsmithDlg::ToggleSelectedEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        Message(kNothingToToggle);
        return;
    }
    // Only handler rows change; any other row (selected by keyboard while the
    // button still showed a handler's state) is left as it is.
    const std::optional<tstring> value = ToggleActivation(power_, EntryOfRow(row));
    if (value) {
        List().SetCell(row, 2, *value);
        SetItemText(IDC_TOGGLE, translation_.GetText(ActivationButtonText(*value)));
    }
    List().Focus();
}

void CVerbsmithDlg::RemoveSelectedEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        Message(kNothingToRemove);
        return;
    }
    switch (RemoveEntry(power_, translation_, Handle(), EntryOfRow(row))) {
    case RemoveResult::Removed: Reinitialise(); break;
    case RemoveResult::Declined:
    case RemoveResult::Refused: List().Focus(); break;
    }
}

void CVerbsmithDlg::ExecuteSelectedEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        Message(kNothingToExecute);
        return;
    }
    ExecuteEntry(translation_, Handle(), List().Cell(row, 2));
}

void CVerbsmithDlg::CheckEntries() {
    std::vector<EntryRow> rows;
    const int count = List().Count();
    for (int row = 0; row < count; ++row) {
        EntryRow entry;
        entry.name = List().Cell(row, 0);
        entry.value = List().Cell(row, 2);
        rows.push_back(entry);
    }
    CheckAllEntries(Handle(), rows);
}

void CVerbsmithDlg::ChooseLanguage() {
    const tstring current = power_.ReadSetting(_T("Language"));
    CLanguageSelection dialog(CLanguageSelection::kVerbsmith);
    dialog.prompt = translation_.GetText(kLanguagePrompt);
    dialog.currentMarker = current;
    dialog.DoModal(Handle());
    if (dialog.currentMarker == current)
        return;
    power_.WriteSetting(_T("Language"), dialog.currentMarker);
    Reinitialise();
}

void CVerbsmithDlg::ShowHelpFile() {
    ShellStart start;
    start.owner = Handle();
    start.verb = _T("open");
    start.file = power_.GetProgramFolder() + _T("\\help.chm");
    Ui().Shell(start);
}

void CVerbsmithDlg::OpenWebsite() {
    ShellStart start;
    start.owner = Handle();
    start.verb = _T("open");
    start.file = power_.ReadSetting(_T("Homepage"));
    Ui().Shell(start);
}

void CVerbsmithDlg::ShowAbout() {
    CAboutDlg dialog;
    dialog.DoModal(Handle());
}

void CVerbsmithDlg::ClearLauncherHandshake() {
    power_.subKey = kLauncherKey;
    power_.DeleteRegistryValue(PowerClass::kShellFolders, _T("active"));
    power_.DeleteRegistryValue(PowerClass::kCurrentUser, _T("active"));
}

void CVerbsmithDlg::CloseWindow(INT_PTR result) {
    ClearLauncherHandshake();
    EndDialog(result);
}
