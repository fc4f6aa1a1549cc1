#include "framework/DataExchange.h"
#include "framework/Controls.h"
#include "framework/ProgramName.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"

namespace {
tstring WindowText(HWND window) {
    std::vector<TCHAR> text(GetWindowTextLength(window) + 1, _T('\0'));
    GetWindowText(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool IsBlank(TCHAR c) { return c == _T(' ') || c == _T('\t'); }

bool IsRadioButton(HWND control) {
    return (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}
}  // namespace

bool DataExchange::ParseInt(const tstring& text, int& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == _T('+') || text[i] == _T('-')))
        negative = text[i++] == _T('-');
    const size_t firstDigit = i;
    long long magnitude = 0;
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < text.size() && text[i] >= _T('0') && text[i] <= _T('9'); ++i) {
        magnitude = magnitude * 10 + (text[i] - _T('0'));
        if (magnitude > limit)
            return false;
    }
    if (i == firstDigit)
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

void DataExchange::Text(int id, tstring& value) {
    if (failed_)
        return;
    if (save_)
        value = WindowText(Control(id));
    else
        SetWindowText(Control(id), value.c_str());
}

void DataExchange::Int(int id, int& value) {
    if (failed_)
        return;
    if (!save_) {
        SetWindowText(Control(id), FormatText(_T("%d"), {value}).c_str());
        return;
    }
    int parsed = 0;
    if (ParseInt(WindowText(Control(id)), parsed)) {
        value = parsed;
        return;
    }
    Ui().ShowMessage(dialog_, _T("Please enter an integer."), ProgramName(),
                     MB_ICONEXCLAMATION | MB_OK);
    Fail(id);
}

void DataExchange::Radio(int firstId, int& index) {
    if (failed_)
        return;
    HWND control = Control(firstId);
    if (save_)
        index = -1;
    int position = 0;
    while (control) {
        if (IsRadioButton(control)) {
            if (save_) {
                if (SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    index = position;
            } else {
                SendMessage(control, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++position;
        }
        control = GetWindow(control, GW_HWNDNEXT);
        if (control && (GetWindowLongPtr(control, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DataExchange::ComboText(int id, tstring& value) {
    if (failed_)
        return;
    const HWND combo = Control(id);
    if (save_) {
        value = WindowText(combo);
        return;
    }
    if (SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR) {
        SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowText(combo, value.c_str());
    }
}

void DataExchange::Fail(int id) {
    failed_ = true;
    const HWND control = Control(id);
    if (!control)
        return;
    SetFocus(control);
    if (HasClass(control, _T("Edit")))
        SendMessage(control, EM_SETSEL, 0, -1);
}
