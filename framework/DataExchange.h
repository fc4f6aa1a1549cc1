#pragma once
// DataExchange: one pass between a dialog's controls and its values, in the
// direction Saving() tells (true: controls -> values). A dialog's
// DoDataExchange calls the binders in its fixed order:
//
//   void DoDataExchange(DataExchange& dx) override {
//       dx.Text(1000, SourcePath);
//       dx.Radio(1007, unitIndex);
//       dx.Int(1004, UserSize);
//       dx.ComboText(1003, entryTypeText);
//   }
//
// When a check fails the user is told, the value keeps its old content, the
// control gets the focus and the rest of the pass is skipped (Failed()).
#include "framework/TString.h"

class DataExchange {
public:
    DataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}

    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }

    // Window text of any control.
    void Text(int id, tstring& value);
    // Signed 32-bit integer written with "%d". Reading accepts blanks around
    // an optional sign and decimal digits within the range; anything else
    // shows "Please enter an integer." (caption: the program's name).
    void Int(int id, int& value);
    // Index of the checked radio button of the group that starts at firstId
    // (-1 for none); the group ends before the next control with WS_GROUP;
    // controls in it that are not radio buttons are not counted.
    void Radio(int firstId, int& index);
    // Text of a combo box. Writing selects the first item that begins with
    // the text (case ignored); when none does, the text stands in the edit
    // field without a selection.
    void ComboText(int id, tstring& value);

    // Ends the pass as failed at control id (for a dialog's own checks,
    // after it told the user).
    void Fail(int id);

    // The integer rule of Int, for callers that check texts themselves.
    static bool ParseInt(const tstring& text, int& value);

private:
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }

    HWND dialog_;
    bool save_;
    bool failed_ = false;
};
