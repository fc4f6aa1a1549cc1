#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include <windowsx.h>

Dialog::Dialog(UINT templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance ? instance : GetModuleHandle(nullptr)) {}

Dialog::~Dialog() {
    if (hwnd_ && !modal_) {
        const HWND window = hwnd_;
        // Leave the object out of the window's last messages: it is going.
        SetWindowLongPtr(window, DWLP_USER, 0);
        hwnd_ = nullptr;
        DestroyWindow(window);
    }
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    ended_ = false;
    result_ = DialogBoxParam(instance_, MAKEINTRESOURCE(templateId_), owner, Proc,
                             reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result_;
}

HWND Dialog::Create(HWND owner, bool show) {
    modal_ = false;
    ended_ = false;
    const HWND window = CreateDialogParam(instance_, MAKEINTRESOURCE(templateId_), owner, Proc,
                                          reinterpret_cast<LPARAM>(this));
    if (window && show)
        ShowWindow(window, SW_SHOW);
    return window;
}

void Dialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (!hwnd_)
        return;
    if (modal_)
        ::EndDialog(hwnd_, result);
    else
        DestroyWindow(hwnd_);
}

bool Dialog::UpdateData(bool save) {
    DataExchange exchange(hwnd_, save);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

tstring Dialog::ItemText(int id) const {
    const HWND control = Item(id);
    std::vector<TCHAR> text(GetWindowTextLength(control) + 1, _T('\0'));
    GetWindowText(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void Dialog::SetIcon(HICON big, HICON small) {
    icon_ = big;
    SendMessage(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessage(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small ? small : big));
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnNotify(int, NMHDR&, LRESULT&) { return false; }
bool Dialog::OnTimer(UINT_PTR) { return false; }
bool Dialog::OnMouseMove(UINT, POINT) { return false; }
bool Dialog::OnHelp(const HELPINFO&) { return false; }
HBRUSH Dialog::OnCtlColor(HDC, HWND, UINT) { return nullptr; }
bool Dialog::OnSysCommand(WPARAM, LPARAM) { return false; }
bool Dialog::OnClose() { return false; }
void Dialog::OnDestroy() {}
void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnPaint() {
    if (!IsIconic(hwnd_) || !icon_)
        return false;
    PaintIcon();
    return true;
}

void Dialog::PaintIcon() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    SendMessage(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(hwnd_, &paint);
}

HCURSOR Dialog::OnQueryDragIcon() { return static_cast<HCURSOR>(icon_); }

void Dialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR Dialog::NotifyResult(bool handled, LRESULT result) {
    if (handled)
        SetWindowLongPtr(hwnd_, DWLP_MSGRESULT, result);
    return handled ? TRUE : FALSE;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        const bool handled = OnNotify(static_cast<int>(header.idFrom), header, result);
        return NotifyResult(handled, result);
    }
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_HELP:
        return OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // These return the brush itself from the procedure.
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_CLOSE:
        return OnClose();
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_DPICHANGED:
        return lParam ? ChangeDpi(wParam, *reinterpret_cast<const RECT*>(lParam)) : FALSE;
    default:
        return FALSE;
    }
}

// The dialog manager's own handling runs first, through a nested DefDlgProc
// that brings the message here once more: it sets the template's fonts anew
// on every control, which would undo fonts and sizes set after it.
INT_PTR Dialog::ChangeDpi(WPARAM dpis, const RECT& suggested) {
    if (dialogManagerScaling_)
        return FALSE;
    dialogManagerScaling_ = true;
    DefDlgProc(hwnd_, WM_DPICHANGED, dpis, reinterpret_cast<LPARAM>(&suggested));
    dialogManagerScaling_ = false;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    dpi_ = HIWORD(dpis);
    OnDpiChanged(dpi_);
    return NotifyResult(true, 0);
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtr(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
        self->dpi_ = WindowDpi(hwnd);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtr(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;   // messages before WM_INITDIALOG and after the object left
    INT_PTR result = FALSE;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's dialog code. The
        // handler that threw has stopped; the message gets default processing.
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtr(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}
