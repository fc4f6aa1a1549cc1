#pragma once
// Dialog: a window made from a dialog template, run modally (DoModal) or
// created modeless from the same template (Create, used by tests).
//
// The static dialog procedure keeps `this` in DWLP_USER from WM_INITDIALOG on
// and routes the messages to the virtual handlers below. A handler returns
// true when it took the message; everything it leaves gets the dialog
// manager's default processing. No exception leaves the procedure.
//
// Defaults: OnInitDialog puts the values into the controls (UpdateData(false));
// IDOK runs OnOK, which takes the controls into the values and ends with IDOK
// only when that succeeds; IDCANCEL (Esc, the close box) runs OnCancel.
//
// DPI: Dpi() is the DPI the window is drawn for, from WM_INITDIALOG on. When
// the window's monitor changes its DPI (WM_DPICHANGED), the dialog manager
// scales the template's controls and fonts first (per-monitor v2), then the
// window takes the rectangle the system suggests and OnDpiChanged re-applies
// what the dialog sizes in pixels itself.
#include "framework/TString.h"

class DataExchange;

class Dialog {
public:
    explicit Dialog(UINT templateId, HINSTANCE instance = nullptr);
    virtual ~Dialog();   // destroys a modeless window that is still open
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // DialogBoxParam: returns the EndDialog result, or -1 when the template
    // could not be used.
    INT_PTR DoModal(HWND owner = nullptr);
    // CreateDialogParam: a modeless window, shown when show is true. Returns
    // its handle, nullptr on failure.
    HWND Create(HWND owner = nullptr, bool show = true);

    // Ends the dialog with this result: EndDialog when modal, DestroyWindow
    // when modeless. Result() keeps the value.
    void EndDialog(INT_PTR result);
    INT_PTR Result() const { return result_; }
    bool Ended() const { return ended_; }
    bool IsModal() const { return modal_; }

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    UINT TemplateId() const { return templateId_; }
    int Dpi() const { return dpi_; }

    // Exchange between controls and values: save true takes the controls
    // into the values. False when a check failed (the user was told).
    bool UpdateData(bool save);

    // Window text of the dialog or of one control.
    void SetText(const tstring& text) { SetWindowText(hwnd_, text.c_str()); }
    void SetItemText(int id, const tstring& text) { SetDlgItemText(hwnd_, id, text.c_str()); }
    tstring ItemText(int id) const;
    void EnableItem(int id, bool enable) { EnableWindow(Item(id), enable ? TRUE : FALSE); }
    // Moves the focus the dialog manager's way (WM_NEXTDLGCTL), so that a push
    // button that takes it becomes the default button.
    void FocusItem(HWND control) {
        SendMessage(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }

    // The window's big and small icon (small: the big one when none is
    // given); a minimised window draws the big one centred.
    void SetIcon(HICON big, HICON small = nullptr);

protected:
    // Return TRUE to let the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Default: IDOK -> OnOK, IDCANCEL -> OnCancel.
    virtual bool OnCommand(int id, int code, HWND control);
    // result goes to DWLP_MSGRESULT when handled.
    virtual bool OnNotify(int id, NMHDR& header, LRESULT& result);
    virtual bool OnTimer(UINT_PTR id);
    virtual bool OnMouseMove(UINT keys, POINT point);
    virtual bool OnHelp(const HELPINFO& info);
    // WM_CTLCOLOR*: a brush takes the message, nullptr leaves it.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
    // wParam of WM_SYSCOMMAND as it came (mask with 0xFFF0 for the command).
    virtual bool OnSysCommand(WPARAM command, LPARAM lParam);
    // Not taken: the dialog manager turns the close box into IDCANCEL.
    virtual bool OnClose();
    // Default: a minimised window draws its icon centred.
    virtual bool OnPaint();
    // Default: the window icon.
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnDestroy();
    // After a DPI change of the window, with the new DPI.
    virtual void OnDpiChanged(int /*dpi*/) {}
    virtual void OnOK();
    virtual void OnCancel();
    // Binds controls and values; see framework/DataExchange.h.
    virtual void DoDataExchange(DataExchange& exchange);
    // Every message comes here first; override for messages without a
    // handler of their own and call the base for the rest. Returns what the
    // dialog procedure returns (FALSE: default processing).
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR NotifyResult(bool handled, LRESULT result);
    void PaintIcon();
    INT_PTR ChangeDpi(WPARAM dpis, const RECT& suggested);

    UINT templateId_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
    int dpi_ = 96;
    bool dialogManagerScaling_ = false;
};
