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
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/EntryMemory.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/HandlerDetails.h"
#include "verbsmith/core/RemoveBackAgain.h"
#include <algorithm>
#include <windowsx.h>

namespace {

const COLORREF kCountLineColour = RGB(33, 93, 198);

// The last item of the Functions menu, after a separator.
const UINT kClassicMenuPosition = 9;

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
        {1, 5, texts::kRemoveBackAgainItem, 0},
        {1, 7, texts::kRestoreItem, IDB_MENU_RESTORE},
        {1, kClassicMenuPosition, texts::kClassicMenuItem, 0},   // a check mark, no bitmap
        {2, 0, texts::kHelpFileItem, IDB_MENU_HELP},
        {2, 2, texts::kWebsiteItem, IDB_MENU_WEBSITE},
        {2, 3, texts::kAboutItem, IDB_MENU_ABOUT},
    };
    tables.pictures = {IDB_HEADER, IDB_FOOTER};
    tables.controlTexts = {{IDC_ENTRIES_GROUP, texts::kEntriesGroup},
                           {IDC_ENTRIES_LABEL, texts::kEntriesGroup},
                           {IDC_SEARCH_LABEL, texts::kSearchLabel},
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

// The search box comes first in the tab order, but a search is what the
// user asks for: the list keeps the focus it had before there was a box.
BOOL CVerbsmithDlg::OnInitDialog() {
    MainWindow::OnInitDialog();
    List().Focus();
    return FALSE;
}

INT_PTR CVerbsmithDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == Item(IDC_ENTRY_LIST)) {
        ShowRowMenu(lParam);
        return TRUE;
    }
    return MainWindow::HandleMessage(message, wParam, lParam);
}

// The commands the buttons and the Functions menu give the row, each enabled
// as its button is; a key opens the menu at the row's lower left corner.
void CVerbsmithDlg::ShowRowMenu(LPARAM where) {
    const int listRow = SelectedRow();
    const EntryRow* row = EntryOfRow(listRow);
    if (!row)
        return;
    POINT at = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (where == -1) {
        RECT cell = {LVIR_BOUNDS, 0, 0, 0};
        ListView_GetItemRect(List().Handle(), listRow, &cell, LVIR_BOUNDS);
        at = {cell.left, cell.bottom};
        ClientToScreen(List().Handle(), &at);
    }
    const RowCommands commands = CommandsFor(*row);
    const MenuHandle menu(CreatePopupMenu());
    const auto add = [&](UINT id, int text, bool enabled) {
        AppendMenu(menu.Get(), MF_STRING | (enabled ? 0 : MF_GRAYED), id, Texts().GetText(text).c_str());
    };
    add(IDC_EDIT, texts::kEditButton, commands.edit);
    add(IDC_TOGGLE, ActivationButtonText(*row), commands.toggle);
    add(IDC_REMOVE, texts::kRemoveButton, commands.remove);
    AppendMenu(menu.Get(), MF_SEPARATOR, 0, nullptr);
    add(ID_FUNCTIONS_EXECUTE, texts::kRowMenuExecute, true);
    if (const UINT command = Ui().ChooseFromMenu(Handle(), menu.Get(), at))
        OnCommand(static_cast<int>(command), 0, nullptr);
}

// The classic context menu is Windows 11's alone: older systems have only
// that one, and the item goes with its separator.
void CVerbsmithDlg::OnFirstInitialisation() {
    CreateImageList();
    CreateBoldFont();
    List().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    keys_ = std::make_unique<KeyFilter>(Handle(), [this](const MSG& key) { return OnKey(key); });
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

void CVerbsmithDlg::CreateBoldFont() {
    LOGFONT font = {};
    const HFONT listFont = GetWindowFont(Item(IDC_ENTRY_LIST));
    if (!listFont || !GetObject(listFont, sizeof font, &font))
        return;
    font.lfWeight = FW_BOLD;
    boldFont_ = Font(CreateFontIndirect(&font));
}

void CVerbsmithDlg::OnDpiChanged(int dpi) {
    MainWindow::OnDpiChanged(dpi);
    CreateImageList();
    CreateBoldFont();
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

// The list keeps no rows of its own: it shows rows_ through shown_, so a
// scan of thousands of entries and every keystroke of a search cost only
// the row count the list is told.
void CVerbsmithDlg::RefreshEntryList() {
    ListView list = List();
    // Column 0 once per column: the columns of the last run go, whatever they were.
    for (size_t i = 0; i < kColumns.size(); ++i)
        list.DeleteColumn(0);
    InsertListColumns(list, kColumns, Texts(), Dpi());
    list.ClearSelection();
    rows_ = ScanEntryList(Power(), Texts());
    if (!marks_)
        marks_.emplace(rows_, EditorMemory().Load());
    marks_->Apply(rows_, EditorBackups().List());
    search_ = std::make_unique<EntrySearch>(rows_);
    ShowMatchingRows();
}

tstring CVerbsmithDlg::SearchText() const { return ItemText(IDC_SEARCH); }

// A row that stays in the list stays selected.
void CVerbsmithDlg::ShowMatchingRows() {
    ListView list = List();
    const EntryRow* selected = EntryOfRow(SelectedRow());
    const size_t selectedIndex = selected ? static_cast<size_t>(selected - rows_.data()) : rows_.size();
    const tstring text = SearchText();
    shown_ = search_->Matches(text);
    list.ClearSelection();
    list.SetRowCount(shown_.size());
    const auto kept = std::find(shown_.begin(), shown_.end(), selectedIndex);
    if (kept != shown_.end()) {
        const int row = static_cast<int>(kept - shown_.begin());
        list.Select(row);
        list.EnsureVisible(row);
    }
    SetItemText(IDC_COUNT_LINE, text.empty() ? CountLine(Texts(), rows_.size())
                                             : CountLine(Texts(), shown_.size(), rows_.size()));
    UpdateShields(SelectedRow());
}

bool CVerbsmithDlg::OnKey(const MSG& key) {
    const WPARAM kCtrlF = 6;   // the character Ctrl+F makes
    const HWND box = Item(IDC_SEARCH);
    if (key.message == WM_CHAR && key.wParam == kCtrlF) {
        SetFocus(box);
        Edit_SetSel(box, 0, -1);
        return true;
    }
    if (key.message != WM_KEYDOWN || key.hwnd != box)
        return false;
    if (key.wParam == VK_RETURN) {
        if (SelectedRow() < 0 && !shown_.empty())
            List().Select(0);
        List().Focus();
        return true;
    }
    // In an empty box Escape closes the window, as everywhere else in it.
    if (key.wParam == VK_ESCAPE && !SearchText().empty()) {
        SetItemText(IDC_SEARCH, tstring());
        return true;
    }
    return false;
}

void CVerbsmithDlg::GiveRowData(LVITEM& item) const {
    const EntryRow* row = EntryOfRow(item.iItem);
    if (!row)
        return;
    if (item.mask & LVIF_IMAGE)
        item.iImage = row->iconIndex;
    if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0)
        return;
    tstring text;
    switch (item.iSubItem) {
    case 0: text = row->name; break;
    case 1: text = row->category; break;
    case 2: text = row->value; break;
    default: text = FourthColumn(Texts(), *row); break;
    }
    lstrcpyn(item.pszText, text.c_str(), item.cchTextMax);
}

// Typing in the list moves to the next row whose name begins with what was
// typed, as in a list that holds its rows.
int CVerbsmithDlg::RowStartingWith(const LVFINDINFO& find, int start) const {
    const int count = static_cast<int>(shown_.size());
    if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz || count == 0)
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    const int length = lstrlen(find.psz);
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (row < start && !(find.flags & LVFI_WRAP))
            break;
        const tstring& name = rows_[shown_[static_cast<size_t>(row)]].name;
        const int compared = std::min(length, static_cast<int>(name.size()));
        if (compared == length && CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name.c_str(), compared,
                                                find.psz, length) == CSTR_EQUAL)
            return row;
    }
    return -1;
}

LRESULT CVerbsmithDlg::DrawStage(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    const EntryRow* row = EntryOfRow(static_cast<int>(draw.nmcd.dwItemSpec));
    if (!row || row->mark == EntryMark::kNone || !boldFont_)
        return CDRF_DODEFAULT;
    SelectObject(draw.nmcd.hdc, boldFont_.Get());
    return CDRF_NEWFONT;
}

// The row the commands act on: the selection mark, while that row is still
// selected.
int CVerbsmithDlg::SelectedRow() const {
    const ListView list = List();
    const int row = list.SelectionMark();
    return row >= 0 && row < list.Count() && list.IsSelected(row) ? row : -1;
}

EntryRow* CVerbsmithDlg::EntryOfRow(int row) {
    return const_cast<EntryRow*>(static_cast<const CVerbsmithDlg*>(this)->EntryOfRow(row));
}

const EntryRow* CVerbsmithDlg::EntryOfRow(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= shown_.size())
        return nullptr;
    return &rows_[shown_[static_cast<size_t>(row)]];
}

// A command reaches the row also by a key or the menu, whatever the buttons
// show: one the row's own rules forbid is refused as if its button were
// disabled, and the buttons show the row's rules from then on.
bool CVerbsmithDlg::Allowed(const EntryRow& entry, bool RowCommands::*command) {
    if (CommandsFor(entry).*command)
        return true;
    UpdateButtonStates();
    List().Focus();
    return false;
}

void CVerbsmithDlg::UpdateButtonStates(int listRow) {
    const EntryRow* row = EntryOfRow(listRow);
    if (!row)
        return;
    const RowCommands commands = CommandsFor(*row);
    EnableItem(IDC_TOGGLE, commands.toggle);
    EnableItem(IDC_REMOVE, commands.remove);
    EnableItem(IDC_EDIT, commands.edit);
    if (commands.toggle || row->unreadableLink)
        SetItemText(IDC_TOGGLE, Texts().GetText(ActivationButtonText(*row)));
    UpdateShields(listRow);
}

// The shields follow the selection, whatever the buttons' state. An entry
// the user changed for themself lives in their own half, which needs no
// rights.
void CVerbsmithDlg::UpdateShields(int listRow) {
    const EntryRow* row = EntryOfRow(listRow);
    shieldsShown_ = row && NeedsRights(HalfOf(row->scope));
    for (int button : {IDC_REMOVE, IDC_EDIT})
        Button_SetElevationRequiredState(Item(button), shieldsShown_ ? TRUE : FALSE);
}

// Only the selected handler's class and file are looked up: a few
// milliseconds for one row, where all rows would slow every start.
void CVerbsmithDlg::ShowDetails(int listRow) {
    const EntryRow* row = EntryOfRow(listRow);
    SetItemText(IDC_DETAILS_LINE, row ? DetailsLine(Texts(), DetailsOf(*row)) : tstring());
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
    case ID_FUNCTIONS_BACK_AGAIN:
        if (RemoveBackAgain(host_, rows_))
            Refresh();
        return true;
    case IDC_SEARCH:
        if (code == EN_CHANGE && search_)
            ShowMatchingRows();
        return true;
    default: return MainWindow::OnCommand(id, code, control);
    }
}

bool CVerbsmithDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id != IDC_ENTRY_LIST)
        return false;
    if (header.code == LVN_GETDISPINFO) {
        GiveRowData(reinterpret_cast<NMLVDISPINFO&>(header).item);
        return true;
    }
    if (header.code == LVN_ODFINDITEM) {
        const auto& find = reinterpret_cast<const NMLVFINDITEM&>(header);
        result = RowStartingWith(find.lvfi, find.iStart);
        return true;
    }
    if (header.code == NM_CUSTOMDRAW) {
        result = DrawStage(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        return true;
    }
    if (header.code == NM_CLICK) {
        UpdateButtonStates();
    } else if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (change.uChanged & LVIF_STATE) {
            // The row being selected, by a click or a key, before the
            // selection mark moves to it.
            const bool selected = (change.uNewState & LVIS_SELECTED) != 0;
            const int row = selected ? change.iItem : SelectedRow();
            if (selected && !(change.uOldState & LVIS_SELECTED))
                UpdateButtonStates(row);
            else
                UpdateShields(row);
            ShowDetails(row);
        }
    } else if (header.code == NM_DBLCLK) {
        EditSelectedEntry();
    }
    return false;
}

// The search box is a field to type in, in the system's colours like every
// edit field; the rest stands on the window's face.
HBRUSH CVerbsmithDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
    if (message == WM_CTLCOLOREDIT)
        return nullptr;
    const HBRUSH face = MainWindow::OnCtlColor(dc, control, message);
    if (GetDlgCtrlID(control) == IDC_COUNT_LINE)
        SetTextColor(dc, TextOnFace(kCountLineColour));
    return face;
}

// What the list held when the window closed is what the next start marks
// new entries against; a window that never scanned remembers nothing.
bool CVerbsmithDlg::MayClose(int) {
    if (marks_)
        static_cast<void>(EditorMemory().Save(rows_));   // it costs only the next start's marks
    return true;
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
        search_ = std::make_unique<EntrySearch>(rows_);
        List().RedrawRow(row);
        SetItemText(IDC_TOGGLE, Texts().GetText(ActivationButtonText(*entry)));
        UpdateShields(SelectedRow());
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
