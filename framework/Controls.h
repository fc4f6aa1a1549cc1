#pragma once
// Control wrappers: a window handle and a few one-message members each. They
// own nothing; attach them to a dialog's controls in OnInitDialog:
//   ComboBox units;  units.Attach(Item(1019));
#include "framework/TString.h"
#include <commctrl.h>

class Control {
public:
    Control() = default;
    explicit Control(HWND window) : hwnd_(window) {}
    void Attach(HWND window) { hwnd_ = window; }
    HWND Handle() const { return hwnd_; }

    tstring Text() const;
    void SetText(const tstring& text) { SetWindowText(hwnd_, text.c_str()); }
    void Enable(bool enable) { EnableWindow(hwnd_, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void Show(bool show) { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Focus() { SetFocus(hwnd_); }
    void SetFont(HFONT font, bool redraw = true) {
        SendMessage(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
    int Id() const { return GetDlgCtrlID(hwnd_); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessage(hwnd_, message, wParam, lParam);
    }

private:
    HWND hwnd_ = nullptr;
};

// Holds a control's drawing while it lives (WM_SETREDRAW), so that many
// changes cost one repaint at the end instead of one each.
class RedrawPause {
public:
    explicit RedrawPause(const Control& control) : hwnd_(control.Handle()) {
        SendMessage(hwnd_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawPause() {
        SendMessage(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    HWND hwnd_;
};

// Whether the window is of that class ("Button", "#32770"), in any case.
bool HasClass(HWND window, const TCHAR* name);

class Button : public Control {
public:
    using Control::Control;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    void Click() { Send(BM_CLICK); }
    void SetImage(HBITMAP bitmap) {
        Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    }
};

class Edit : public Control {
public:
    using Control::Control;
    void SetLimit(int chars) { Send(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
    void SelectAll() { Send(EM_SETSEL, 0, -1); }
    void SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
};

class Static : public Control {
public:
    using Control::Control;
    void SetIcon(HICON icon) { Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)); }
};

class ProgressBar : public Control {
public:
    using Control::Control;
    void SetRange(int maximum) { Send(PBM_SETRANGE32, 0, maximum); }
    void SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    int Add(const tstring& text) {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void Clear() { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }   // CB_ERR: none
    void Select(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // First item that begins with text, case ignored; CB_ERR when none.
    int SelectString(const tstring& text) {
        return static_cast<int>(Send(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str())));
    }
    int FindExact(const tstring& text) const {
        return static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str())));
    }
    tstring ItemText(int index) const;
    // Room for up to maxRows items in the dropped list: a template's height
    // for a drop-down combo may leave the list none.
    void FitDroppedList(int maxRows);
};

class ListView : public Control {
public:
    using Control::Control;
    void SetExtendedStyle(DWORD style) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
    void SetImageList(HIMAGELIST images, int which = LVSIL_SMALL) {
        Send(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images));
    }
    int InsertColumn(int index, const tstring& heading, int width);
    void DeleteColumn(int index) { Send(LVM_DELETECOLUMN, static_cast<WPARAM>(index)); }
    void SetColumnHeading(int index, const tstring& heading);
    void SetColumnWidth(int index, int width) {
        Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0));
    }
    // Returns the new row's index, -1 on failure. data stays with the row
    // (its LPARAM) wherever the row moves.
    int InsertRow(int index, const tstring& text, int image = -1, LPARAM data = 0);
    LPARAM RowData(int row) const;
    void SetCell(int row, int column, const tstring& text);
    tstring Cell(int row, int column) const;
    void SetImage(int row, int image);
    int Image(int row) const;
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // The row count of a list whose window keeps the rows (LVS_OWNERDATA):
    // the list asks for each row's texts as it draws it.
    void SetRowCount(size_t rows) { Send(LVM_SETITEMCOUNT, rows); }
    // Draws the row anew from what its window keeps.
    void RedrawRow(int row) { Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row); }
    void DeleteRow(int row) { Send(LVM_DELETEITEM, static_cast<WPARAM>(row)); }
    void DeleteAll() { Send(LVM_DELETEALLITEMS); }
    // First selected row, -1 when none.
    int Selected() const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    bool IsSelected(int row) const {
        return Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
    }
    // The row the last click or key marked, -1 when none; it may no longer
    // be selected.
    int SelectionMark() const { return static_cast<int>(Send(LVM_GETSELECTIONMARK)); }
    // Selects and focuses one row (the others lose the selection).
    void Select(int row);
    void ClearSelection();
    void EnsureVisible(int row) { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
};
