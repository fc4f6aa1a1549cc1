#pragma once
// DialogDriver: acts on a live dialog the way a user's actions reach it, so
// the dialog's own handlers and notifications run, and reads its controls.
// It works on any dialog window of the test's thread: one the test created
// modeless from its template (Dialog::Create) or a modal sub-dialog handed to
// a ModalDialogHandler action (framework/testkit/ModalDialogHandler.h).
//
//   CSlicewiseDlg dialog;
//   ASSERT_TRUE(dialog.Create());
//   DialogDriver ui(dialog.Handle());
//   ui.Type(1004, _T("12abc"));
//   ui.Click(1005);                        // BM_CLICK: BN_CLICKED reaches OnCommand
//   EXPECT_EQ(_T("..."), ui.Text(1003));
//   ui.PickCombo(1019, 2);                 // CBN_SELENDOK + CBN_SELCHANGE
//   ui.ClickRow(1000, 3);                  // selected + selection mark, NM_CLICK
//   ui.ClickRow(1000, 3, true);            // ... + NM_DBLCLK
//
// An action on a control that is missing, disabled or hidden is a test
// failure (a user could not do it) and does nothing.
#include "framework/TString.h"

class DialogDriver {
public:
    explicit DialogDriver(HWND dialog) : dialog_(dialog) {}
    HWND Handle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    // --- actions ---
    // A push, check or radio button: BM_CLICK (the button changes its own
    // state and sends BN_CLICKED).
    void Click(int id);
    // WM_COMMAND as the control would send it (menu commands: control 0).
    void Command(int id, int code = BN_CLICKED);
    void MenuCommand(int id);
    // The user types into an edit (or a combo's edit field): the whole text
    // is replaced; the control sends EN_CHANGE / the dialog gets CBN_EDITCHANGE
    // and a closed combo's list loses its selection.
    void Type(int id, const tstring& text);
    // Picks a combo item by index or by its exact text (false when absent).
    void PickCombo(int id, int index);
    bool PickComboText(int id, const tstring& text);
    // Picks a list-box item (LBN_SELCHANGE).
    void PickListBox(int id, int index);
    // Clicks a list-view row: the row becomes the only selected one (the
    // control sends LVN_ITEMCHANGING/LVN_ITEMCHANGED), then NM_CLICK or
    // NM_DBLCLK reaches the dialog. row -1 clicks the empty area.
    void ClickRow(int id, int row, bool doubleClick = false);
    // The pointer over the centre of a control (WM_MOUSEMOVE to the dialog
    // in its client coordinates), or at a client point.
    void MoveMouseOver(int id);
    void MoveMouseTo(POINT client);
    // The help key (F1) over a control: WM_HELP as the system would send it.
    void Help(int id);
    void SysCommand(WPARAM command);
    void Timer(UINT_PTR id);
    void Close();   // the close box: WM_CLOSE, then the IDCANCEL it posts
    // Dispatches what is waiting in the thread's queue (posted messages).
    static void Pump();

    // --- reads ---
    tstring Caption() const;
    tstring Text(int id) const;
    bool Exists(int id) const { return Item(id) != nullptr; }
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;
    bool IsChecked(int id) const;
    bool HasFocus(int id) const;
    int ComboSelection(int id) const;   // CB_ERR (-1) when none
    tstrings ComboItems(int id) const;
    int ListBoxSelection(int id) const;
    int RowCount(int id) const;
    tstring Cell(int id, int row, int column) const;
    int SelectedRow(int id) const;   // -1 when none
    HMENU Menu() const { return GetMenu(dialog_); }
    // What shows an empty text where the user expects one: visible buttons,
    // group boxes and text labels (not those listed as empty by design) and
    // menu items that are no separators, as "control <id>" and
    // "menu <position>/<position>...". Empty when nothing is blank.
    tstrings BlankTexts(const std::vector<int>& emptyByDesign = {}) const;

private:
    HWND Usable(int id) const;
    void Notify(HWND control, UINT code, int row) const;

    HWND dialog_;
};
