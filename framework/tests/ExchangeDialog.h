#pragma once
// The framework's test dialog: every kind of exchange, and a record of the
// handlers that ran.
#include "TestDialogs.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include <commctrl.h>
#include <stdexcept>

class ExchangeDialog : public Dialog {
public:
    ExchangeDialog() : Dialog(IDD_EXCHANGE) {}

    tstring name = _T("first");
    int size = 7;
    int unit = 2;
    int mode = 0;
    tstring language = _T("deu");
    int count = 3;

    tstrings seen;           // handlers that ran, in order
    bool throwOnAction = false;
    HBRUSH brush = nullptr;  // answer to WM_CTLCOLORSTATIC when set

protected:
    BOOL OnInitDialog() override {
        SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("English")));
        SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Deutsch")));
        SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Deutsch (Schweiz)")));
        return Dialog::OnInitDialog();
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(IDC_NAME, name);
        dx.Int(IDC_AMOUNT, size);
        dx.Radio(IDC_UNIT_A, unit);
        dx.Radio(IDC_MODE_X, mode);
        dx.ComboText(IDC_LANGUAGE, language);
        dx.Int(IDC_COUNT, count);
    }
    bool OnCommand(int id, int code, HWND control) override {
        if (id == IDC_ACTION) {
            seen.push_back(_T("action"));
            if (throwOnAction)
                throw std::runtime_error("handler failed");
            return true;
        }
        if (id == IDC_NAME && code == EN_CHANGE) {
            seen.push_back(_T("name typed"));
            return true;
        }
        if (id == IDC_LANGUAGE && code == CBN_EDITCHANGE) {
            seen.push_back(_T("language typed"));
            return true;
        }
        if (id == IDC_LANGUAGE && code == CBN_SELCHANGE) {
            seen.push_back(_T("language picked"));
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override {
        if (id == IDC_ROWS && header.code == NM_DBLCLK) {
            seen.push_back(_T("row double-clicked"));
            result = 0;
            return true;
        }
        if (id == IDC_ROWS && header.code == LVN_ITEMCHANGED) {
            const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
                seen.push_back(change.iItem == 2 ? _T("row 2 selected") : _T("row selected"));
            return true;
        }
        if (id == IDC_ROWS && header.code == NM_CLICK) {
            seen.push_back(_T("row clicked"));
            return true;
        }
        return false;
    }
    bool OnTimer(UINT_PTR id) override {
        seen.push_back(id == 1 ? _T("timer 1") : _T("timer"));
        return true;
    }
    // Only the move the driver aims at the size box's centre counts: the real
    // cursor may pass over the window while other tests run on the display.
    bool OnMouseMove(UINT, POINT point) override {
        RECT box;
        GetWindowRect(Item(IDC_AMOUNT), &box);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&box), 2);
        if (point.x == (box.left + box.right) / 2 && point.y == (box.top + box.bottom) / 2)
            seen.push_back(_T("mouse inside"));
        return true;
    }
    bool OnHelp(const HELPINFO& info) override {
        seen.push_back(info.iCtrlId == IDC_AMOUNT ? _T("help on size") : _T("help"));
        return true;
    }
    bool OnSysCommand(WPARAM command, LPARAM) override {
        if ((command & 0xFFF0) != 0x0010)
            return false;
        seen.push_back(_T("about"));
        return true;
    }
    HBRUSH OnCtlColor(HDC, HWND control, UINT message) override {
        if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(control) == IDC_UNIT_LABEL)
            return brush;
        return nullptr;
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            seen.push_back(_T("posted"));
            return TRUE;
        }
        return Dialog::HandleMessage(message, wParam, lParam);
    }
};
