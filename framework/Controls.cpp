#include "framework/Controls.h"
#include "framework/Dpi.h"
#include <algorithm>

tstring Control::Text() const {
    std::vector<TCHAR> text(GetWindowTextLength(hwnd_) + 1, _T('\0'));
    GetWindowText(hwnd_, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool HasClass(HWND window, const TCHAR* name) {
    TCHAR found[64] = {};
    GetClassName(window, found, 64);
    return lstrcmpi(found, name) == 0;
}

tstring ComboBox::ItemText(int index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return tstring();
    std::vector<TCHAR> text(static_cast<size_t>(length) + 1, _T('\0'));
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void ComboBox::FitDroppedList(int maxRows) {
    const int rows = std::max(1, std::min(Count(), maxRows));
    RECT field;   // while closed, the window is the selection field alone
    GetWindowRect(Handle(), &field);
    const int itemHeight = static_cast<int>(Send(CB_GETITEMHEIGHT, 0));
    const int edge = SystemMetricForDpi(SM_CYEDGE, WindowDpi(Handle()));
    const int height = field.bottom - field.top + rows * itemHeight + 2 * edge;
    SetWindowPos(Handle(), nullptr, 0, 0, field.right - field.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ListView::InsertColumn(int index, const tstring& heading, int width) {
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<TCHAR*>(heading.c_str());
    column.cx = width;
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMN, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&column)));
}

void ListView::SetColumnHeading(int index, const tstring& heading) {
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<TCHAR*>(heading.c_str());
    Send(LVM_SETCOLUMN, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::InsertRow(int index, const tstring& text, int image, LPARAM data) {
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = const_cast<TCHAR*>(text.c_str());
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
}

LPARAM ListView::RowData(int row) const {
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return Send(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

void ListView::SetCell(int row, int column, const tstring& text) {
    LVITEM item = {};
    item.iSubItem = column;
    item.pszText = const_cast<TCHAR*>(text.c_str());
    Send(LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

tstring ListView::Cell(int row, int column) const {
    // LVM_GETITEMTEXT gives no length: grow until the text fits.
    for (size_t size = 256;; size *= 4) {
        std::vector<TCHAR> text(size, _T('\0'));
        LVITEM item = {};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = Send(LVM_GETITEMTEXT, static_cast<WPARAM>(row),
                                    reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size)
            return text.data();
    }
}

void ListView::SetImage(int row, int image) {
    LVITEM item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    Send(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
}

int ListView::Image(int row) const {
    LVITEM item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    Send(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// Row by row, not all at once: a list whose window keeps the rows
// (LVS_OWNERDATA) then tells its window of every one of them under Wine,
// thousands of notifications for one or two selected rows.
void ListView::ClearSelection() {
    LVITEM state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    for (int row = Selected(); row >= 0; row = Selected())
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    const auto focused = Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    if (focused >= 0)
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&state));
}

void ListView::Select(int row) {
    ClearSelection();
    LVITEM state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}
