#include "VerbsmithDlg.h"
#include "common/Handshake.h"
#include "verbsmith/ListColumns.h"
#include "AddEditDlg.h"
#include "framework/Dpi.h"
#include "ElevatedRestart.h"
#include "framework/SystemError.h"
#include "RestoreDlg.h"
#include "resource.h"
#include "verbsmith/core/ClassicMenu.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/EntryModel.h"

namespace {

const COLORREF kCountLineColour = RGB(33, 93, 198);

// The last item of the Functions menu, after a separator.
const UINT kClassicMenuPosition = 8;

// The row images, in image-list order.
const int kRowIcons[] = {133, 134, 135, 136, 137, 138, 139, 150};

// After the three columns of what an entry is, where it lives: wide enough
// for the longest language's text, so the list scrolls sideways rather than
// cutting it.
const ListColumns kColumns = {{texts::kColumnName, 130},
                              {texts::kColumnCategory, 120},
                              {texts::kColumnValue, 300},
                              {texts::kColumnScope, 230}};

MainWindowTables EditorTables() {
    MainWindowTables tables;
    tables.templateId = IDD_VERBSMITH_DIALOG;
    tables.icon = IDR_MAINFRAME;
    tables.aboutItemText = IDS_ABOUTBOX;
    tables.menuTitles = {texts::kFileMenu, texts::kFunctionsMenu, texts::kHelpMenu};
    tables.menuItems = {
        {0, 0, texts::kLanguageItem, IDB_MENU_LANGUAGE},
        {0, 2, texts::kExitItem, IDB_MENU_EXIT},
        {1, 0, texts::kAddButton, IDB_MENU_ADD},
        {1, 2, texts::kExecuteItem, IDB_MENU_EXECUTE},
        {1, 4, texts::kCheckItem, IDB_MENU_CHECK},
        {1, 6, texts::kRestoreItem, IDB_MENU_RESTORE},
        {1, kClassicMenuPosition, texts::kClassicMenuItem, 0},   // a check mark, no bitmap
        {2, 0, texts::kHelpFileItem, IDB_MENU_HELP},
        {2, 2, texts::kWebsiteItem, IDB_MENU_WEBSITE},
        {2, 3, texts::kAboutItem, IDB_MENU_ABOUT},
    };
    tables.pictures = {IDB_HEADER, IDB_FOOTER};
    tables.controlTexts = {{IDC_ENTRIES_GROUP, texts::kEntriesGroup},
                           {IDC_REMOVE, texts::kRemoveButton},
                           {IDC_TOGGLE, texts::kDeactivateButton},
                           {IDC_EDIT, texts::kEditButton},
                           {IDC_ADD, texts::kAddButton}};
    // Language selection, Exit, help file, website, About.
    tables.commands = {ID_FILE_LANGUAGE, ID_FILE_EXIT, ID_HELP_HELPFILE, ID_HELP_WEBSITE, ID_HELP_ABOUT};
    tables.languageDialog = {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO};
    tables.dialects = EditorDialects();
    tables.handshakeKeys = {handshake::kKey};
    return tables;
}

}  // namespace

CVerbsmithDlg::CVerbsmithDlg() : MainWindow(EditorTables()) {}

CVerbsmithDlg::~CVerbsmithDlg() {
    // The window (with its list) goes before the image list it shares.
    if (Handle() && !IsModal())
        DestroyWindow(Handle());
}

ListView CVerbsmithDlg::List() const { return ListView(Item(IDC_ENTRY_LIST)); }

// The classic context menu is Windows 11's alone: older systems have only
// that one, and the item goes with its separator.
void CVerbsmithDlg::OnFirstInitialisation() {
    CreateImageList();
    if (ClassicMenuOffered())
        return;
    const HMENU functions = GetSubMenu(GetMenu(Handle()), 1);
    DeleteMenu(functions, kClassicMenuPosition, MF_BYPOSITION);
    DeleteMenu(functions, kClassicMenuPosition - 1, MF_BYPOSITION);
}

// One image list for each DPI of the window: the list shares it (the
// template's LVS_SHAREIMAGELISTS) and this window destroys it once the list
// holds the next. The icons come in the sizes of 100 to 200 %.
void CVerbsmithDlg::CreateImageList() {
    const int size = ScaleToDpi(16, Dpi());
    ImageListHandle images(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (int id : kRowIcons) {
        const IconHandle icon(static_cast<HICON>(
            LoadImage(GetModuleHandle(nullptr), MAKEINTRESOURCE(id), IMAGE_ICON, size, size, 0)));
        ImageList_ReplaceIcon(images.Get(), -1, icon.Get());
    }
    List().SetImageList(images.Get(), LVSIL_NORMAL);
    List().SetImageList(images.Get(), LVSIL_SMALL);
    imageList_ = std::move(images);
}

void CVerbsmithDlg::OnDpiChanged(int dpi) {
    MainWindow::OnDpiChanged(dpi);
    CreateImageList();
    ScaleListColumns(List(), kColumns, dpi);
}

void CVerbsmithDlg::OnTextsApplied() {
    RefreshEntryList();
    ShowClassicMenuState();
}

void CVerbsmithDlg::ShowClassicMenuState() {
    CheckMenuItem(GetMenu(Handle()), ID_FUNCTIONS_CLASSIC_MENU,
                  MF_BYCOMMAND | (ClassicMenuOn() ? MF_CHECKED : MF_UNCHECKED));
}

// The Explorer reads the setting when it starts: the user chooses between
// restarting it now and the next sign-in.
void CVerbsmithDlg::SwitchClassicMenuOver() {
    if (!SwitchClassicMenu(host_, !ClassicMenuOn()))
        return;
    ShowClassicMenuState();
    if (!host_.Ask(host_.Text(texts::kRestartExplorer)))
        return;
    const DWORD error = Ui().RestartExplorer();
    if (error != ERROR_SUCCESS)
        host_.Tell(FailureText(host_.Text(texts::kExplorerRestartFailed), error));
}

void CVerbsmithDlg::RefreshEntryList() {
    ListView list = List();
    // Column 0 once per column: the columns of the last run go, whatever they were.
    for (size_t i = 0; i < kColumns.size(); ++i)
        list.DeleteColumn(0);
    InsertListColumns(list, kColumns, Texts(), Dpi());
    EntryList scanned = ScanEntryList(Power(), Texts());
    const RedrawPause pause(list);
    list.DeleteAll();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.ReserveRows(scanned.size());

    // Each list row carries the index of its entry: a row that cannot be
    // inserted leaves no entry behind.
    rows_.clear();
    for (EntryRow& row : scanned) {
        const int index = list.InsertRow(list.Count(), row.name, row.iconIndex,
                                         static_cast<LPARAM>(rows_.size()));
        if (index < 0)
            continue;
        list.SetCell(index, 2, row.value);
        list.SetCell(index, 1, row.category);
        list.SetCell(index, 3, Texts().GetText(ScopeText(row.scope)));
        rows_.push_back(std::move(row));
    }
    SetItemText(IDC_COUNT_LINE, CountLine(Texts(), rows_.size()));
    UpdateShields();
}

// The row the commands act on: the selection mark, while that row is still
// selected.
int CVerbsmithDlg::SelectedRow() const {
    const ListView list = List();
    const int row = list.SelectionMark();
    return row >= 0 && row < list.Count() && list.IsSelected(row) ? row : -1;
}

EntryRow* CVerbsmithDlg::EntryOfRow(int row) {
    if (row < 0)
        return nullptr;
    const size_t index = static_cast<size_t>(List().RowData(row));
    return index < rows_.size() ? &rows_[index] : nullptr;
}

// The buttons keep what the last click set, so after the keyboard moved the
// selection a button may belong to another row: a command the row's own
// rules forbid is refused as if its button were disabled, and the buttons
// show the row's rules from then on.
bool CVerbsmithDlg::Allowed(const EntryRow& entry, bool RowCommands::*command) {
    if (CommandsFor(entry).*command)
        return true;
    UpdateButtonStates();
    List().Focus();
    return false;
}

void CVerbsmithDlg::UpdateButtonStates() {
    const EntryRow* row = EntryOfRow(SelectedRow());
    if (!row)
        return;
    const RowCommands commands = CommandsFor(*row);
    EnableItem(IDC_TOGGLE, commands.toggle);
    EnableItem(IDC_REMOVE, commands.remove);
    EnableItem(IDC_EDIT, commands.edit);
    if (commands.toggle || row->unreadableLink)
        SetItemText(IDC_TOGGLE, Texts().GetText(ActivationButtonText(row->value)));
    UpdateShields();
}

// The shields follow the selection, whatever the buttons' state. An entry
// the user changed for themself lives in their own half, which needs no
// rights.
void CVerbsmithDlg::UpdateShields() {
    const EntryRow* row = EntryOfRow(SelectedRow());
    shieldsShown_ = row && NeedsRights(HalfOf(row->scope));
    for (int button : {IDC_REMOVE, IDC_EDIT})
        Button_SetElevationRequiredState(Item(button), shieldsShown_ ? TRUE : FALSE);
}

bool CVerbsmithDlg::HandedToElevation(ClassesHalf half) {
    const Handover handover = HandOverToElevated(host_, Handle(), half);
    if (handover == Handover::kRestarted)
        Close(IDOK);
    return handover != Handover::kNone;
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
    case ID_FUNCTIONS_RESTORE: RestoreFromBackup(); return true;
    case ID_FUNCTIONS_CLASSIC_MENU: SwitchClassicMenuOver(); return true;
    default: return MainWindow::OnCommand(id, code, control);
    }
}

bool CVerbsmithDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
    if (id != IDC_ENTRY_LIST)
        return false;
    if (header.code == NM_CLICK) {
        UpdateButtonStates();
    } else if (header.code == LVN_ITEMCHANGED) {
        if (reinterpret_cast<const NMLISTVIEW&>(header).uChanged & LVIF_STATE)
            UpdateShields();
    } else if (header.code == NM_DBLCLK) {
        EditSelectedEntry();
    }
    return false;
}

HBRUSH CVerbsmithDlg::OnCtlColor(HDC dc, HWND control, UINT) {
    SetBkColor(dc, kBackground);
    if (GetDlgCtrlID(control) == IDC_COUNT_LINE)
        SetTextColor(dc, kCountLineColour);
    return Background();
}

void CVerbsmithDlg::AddEntry() {
    AddEditDlg dialog;
    dialog.addMode = true;
    dialog.DoModal(Handle());
    if (dialog.restartedElevated)
        Close(IDOK);
    else
        Refresh();
}

void CVerbsmithDlg::EditSelectedEntry() {
    const EntryRow* entry = EntryOfRow(SelectedRow());
    if (!entry) {
        host_.Tell(texts::kNothingToEdit);
        return;
    }
    if (!Allowed(*entry, &RowCommands::edit) || HandedToElevation(HalfOf(entry->scope)))
        return;
    const std::optional<EditableValue> value = ReadEditableValue(host_, *entry);
    if (!value)
        return;
    AddEditDlg dialog;
    dialog.addMode = false;
    dialog.entryKeyPath = entry->keyPath;
    dialog.Name = entry->name;
    dialog.entryTypeText = entry->category;
    dialog.Value = value->text;
    dialog.original = *value;
    dialog.DoModal(Handle());
    Refresh();
    List().Focus();
}

void CVerbsmithDlg::ToggleSelectedEntry() {
    const int row = SelectedRow();
    EntryRow* entry = EntryOfRow(row);
    if (!entry) {
        host_.Tell(texts::kNothingToToggle);
        return;
    }
    if (!Allowed(*entry, &RowCommands::toggle))
        return;
    if (std::optional<EntryRow> toggled = ToggleActivation(host_, *entry)) {
        *entry = std::move(*toggled);
        List().SetCell(row, 2, entry->value);
        List().SetCell(row, 3, Texts().GetText(ScopeText(entry->scope)));
        SetItemText(IDC_TOGGLE, Texts().GetText(ActivationButtonText(entry->value)));
        UpdateShields();
    }
    List().Focus();
}

void CVerbsmithDlg::RemoveSelectedEntry() {
    const EntryRow* entry = EntryOfRow(SelectedRow());
    if (!entry) {
        host_.Tell(texts::kNothingToRemove);
        return;
    }
    if (!Allowed(*entry, &RowCommands::remove) || HandedToElevation(HalfOf(entry->scope)))
        return;
    switch (RemoveEntry(host_, *entry)) {
    case RemoveResult::Removed:
    case RemoveResult::Failed: Refresh(); break;
    case RemoveResult::Declined:
    case RemoveResult::Refused: List().Focus(); break;
    }
}

void CVerbsmithDlg::ExecuteSelectedEntry() {
    const EntryRow* entry = EntryOfRow(SelectedRow());
    if (!entry) {
        host_.Tell(texts::kNothingToExecute);
        return;
    }
    ExecuteEntry(host_, entry->value);
}

void CVerbsmithDlg::RestoreFromBackup() {
    RestoreDlg dialog;
    dialog.DoModal(Handle());
    if (dialog.restartedElevated)
        Close(IDOK);
    else if (dialog.restored)
        Refresh();
}

// The check loads its texts afresh with a translator of its own; its
// reports are owned by this window all the same, which waits for each.
void CVerbsmithDlg::CheckEntries() {
    CTranslation own(EditorDialects());
    own.Load();
    WindowEditorHost host(*this, own);
    CheckAllEntries(host, rows_);
}
