#pragma once
// The language dialog: lists the languages of the program's language file by
// their own names, preselects the current one and hands back the marker of
// the one confirmed with OK.
//
//   CLanguageSelection dialog(CLanguageSelection::kVerbsmith);
//   dialog.prompt = translation.GetText(1);
//   dialog.currentMarker = power.ReadSetting(_T("Language"));
//   dialog.DoModal(Handle());
//   if (dialog.currentMarker != stored) ... write "Language", initialise again
//
// The program's .rc holds the template: see common/LanguageSelection.rc.
#include "common/PowerClass.h"
#include "common/SharedDialogIds.h"
#include "framework/Dialog.h"

class CLanguageSelection : public Dialog {
public:
    enum Program { kVerbsmith, kSlicewise, kToolcrate };

    explicit CLanguageSelection(Program program, UINT templateId = IDD_LANGUAGE_SELECTION);

    tstring prompt;          // text of the group box
    tstring currentMarker;   // in: the stored marker; out: the confirmed one
    tstring shownText;       // text of the combo box's edit field
    tstrings pairs;          // marker, name, marker, name, ... in file order

    int GroupId() const;
    int ComboId() const;

    static const TCHAR kSystemDefault[];   // "System default language"

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;

private:
    void ReadLanguages();

    Program program_;
    PowerClass power_;
};
