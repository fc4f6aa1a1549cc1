#include "framework/testkit/DialogDriver.h"
#include "framework/Controls.h"
#include "framework/MessagePump.h"
#include "framework/SafeFormat.h"
#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>

HWND DialogDriver::Usable(int id) const {
    const HWND control = Item(id);
    if (!control) {
        ADD_FAILURE() << "no control " << id << " in the dialog";
        return nullptr;
    }
    if (!IsWindowEnabled(control) || !IsWindowVisible(control)) {
        ADD_FAILURE() << "control " << id << " is disabled or hidden: a user cannot use it";
        return nullptr;
    }
    return control;
}

void DialogDriver::Click(int id) {
    if (const HWND button = Usable(id))
        SendMessage(button, BM_CLICK, 0, 0);
}

void DialogDriver::Command(int id, int code) {
    SendMessage(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
}

void DialogDriver::MenuCommand(int id) { SendMessage(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void DialogDriver::Type(int id, const tstring& text) {
    const HWND control = Usable(id);
    if (!control)
        return;
    // A combo's window text is set without a word to its parent and leaves
    // its list as it was. Replacing the edit field's text the way a user's
    // keys do lets the combo clear its selection and send CBN_EDITCHANGE.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
        SendMessage(combo.hwndItem, EM_SETSEL, 0, -1);
        SendMessage(combo.hwndItem, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    SetWindowText(control, text.c_str());
}

void DialogDriver::PickCombo(int id, int index) {
    const HWND combo = Usable(id);
    if (!combo)
        return;
    SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessage(dialog_, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
    SendMessage(dialog_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

bool DialogDriver::PickComboText(int id, const tstring& text) {
    const int index = static_cast<int>(SendMessage(Item(id), CB_FINDSTRINGEXACT,
                                                   static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(text.c_str())));
    if (index == CB_ERR)
        return false;
    PickCombo(id, index);
    return true;
}

void DialogDriver::PickListBox(int id, int index) {
    const HWND list = Usable(id);
    if (!list)
        return;
    SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessage(dialog_, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DialogDriver::Notify(HWND control, UINT code, int row) const {
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = control;
    activate.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    activate.hdr.code = code;
    activate.iItem = row;
    activate.iSubItem = 0;
    if (row >= 0) {
        RECT bounds = {LVIR_LABEL, 0, 0, 0};
        SendMessage(control, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&bounds));
        activate.ptAction = POINT{bounds.left + 2, (bounds.top + bounds.bottom) / 2};
    }
    SendMessage(dialog_, WM_NOTIFY, activate.hdr.idFrom, reinterpret_cast<LPARAM>(&activate));
}

void DialogDriver::ClickRow(int id, int row, bool doubleClick) {
    const HWND list = Usable(id);
    if (!list)
        return;
    SetFocus(list);
    ListView view(list);
    if (row >= 0) {
        view.Select(row);
        // A real click also moves the selection mark; selecting by item
        // state does not (not under Wine, at least).
        ListView_SetSelectionMark(list, row);
    }
    Notify(list, NM_CLICK, row);
    if (doubleClick)
        Notify(list, NM_DBLCLK, row);
}

void DialogDriver::MoveMouseOver(int id) {
    const HWND control = Item(id);
    if (!control) {
        ADD_FAILURE() << "no control " << id << " in the dialog";
        return;
    }
    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&bounds), 2);
    MoveMouseTo(POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
}

void DialogDriver::MoveMouseTo(POINT client) {
    SendMessage(dialog_, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void DialogDriver::Help(int id) {
    const HWND control = Item(id);
    HELPINFO info = {};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = id;
    info.hItemHandle = control ? control : dialog_;
    GetCursorPos(&info.MousePos);
    SendMessage(dialog_, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void DialogDriver::SysCommand(WPARAM command) { SendMessage(dialog_, WM_SYSCOMMAND, command, 0); }
void DialogDriver::Timer(UINT_PTR id) { SendMessage(dialog_, WM_TIMER, id, 0); }
void DialogDriver::Close() {
    SendMessage(dialog_, WM_CLOSE, 0, 0);
    // The dialog manager answers WM_CLOSE by posting IDCANCEL.
    Pump();
}
void DialogDriver::Pump() { PumpPendingMessages(); }

tstring DialogDriver::Caption() const { return Control(dialog_).Text(); }
tstring DialogDriver::Text(int id) const { return Control(Item(id)).Text(); }
bool DialogDriver::IsEnabled(int id) const { return Item(id) && IsWindowEnabled(Item(id)); }
bool DialogDriver::IsVisible(int id) const { return Item(id) && IsWindowVisible(Item(id)); }
bool DialogDriver::IsChecked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
bool DialogDriver::HasFocus(int id) const {
    const HWND focus = GetFocus();
    return focus && Item(id) && (focus == Item(id) || IsChild(Item(id), focus));
}

int DialogDriver::ComboSelection(int id) const { return ComboBox(Item(id)).Selection(); }

tstrings DialogDriver::ComboItems(int id) const {
    const ComboBox combo(Item(id));
    tstrings items;
    for (int i = 0; i < combo.Count(); ++i)
        items.push_back(combo.ItemText(i));
    return items;
}

int DialogDriver::ListBoxSelection(int id) const {
    return static_cast<int>(SendMessage(Item(id), LB_GETCURSEL, 0, 0));
}

int DialogDriver::RowCount(int id) const { return ListView(Item(id)).Count(); }
tstring DialogDriver::Cell(int id, int row, int column) const {
    return ListView(Item(id)).Cell(row, column);
}
int DialogDriver::SelectedRow(int id) const { return ListView(Item(id)).Selected(); }

namespace {
// A button of any kind, or a static that shows its text (not a picture).
bool ShowsText(HWND control) {
    const LONG style = GetWindowLong(control, GWL_STYLE);
    if (HasClass(control, _T("Button")))
        return (style & BS_TYPEMASK) != BS_OWNERDRAW;
    if (!HasClass(control, _T("Static")))
        return false;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_SIMPLE: case SS_LEFTNOWORDWRAP:
        return true;
    default:
        return false;
    }
}

void AddBlankMenuItems(HMENU menu, const tstring& path, tstrings& blank) {
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFO item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        GetMenuItemInfo(menu, static_cast<UINT>(i), TRUE, &item);
        const tstring where = path + _T("/") + FormatText(_T("%d"), {i});
        if (item.fType & MFT_SEPARATOR)
            continue;
        if (GetMenuString(menu, static_cast<UINT>(i), nullptr, 0, MF_BYPOSITION) <= 0)
            blank.push_back(_T("menu ") + where.substr(1));
        AddBlankMenuItems(item.hSubMenu, where, blank);
    }
}
}  // namespace

tstrings DialogDriver::BlankTexts(const std::vector<int>& emptyByDesign) const {
    tstrings blank;
    for (HWND control = GetWindow(dialog_, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(control);
        if (IsWindowVisible(control) && ShowsText(control) &&
            std::find(emptyByDesign.begin(), emptyByDesign.end(), id) == emptyByDesign.end() &&
            GetWindowTextLength(control) == 0)
            blank.push_back(_T("control ") + FormatText(_T("%d"), {id}));
    }
    AddBlankMenuItems(Menu(), tstring(), blank);
    return blank;
}
