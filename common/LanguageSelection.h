#pragma once
// The language dialog: lists the languages of the program's language file by
// their own names, preselects the current one and hands back the marker of
// the one confirmed with OK.
//
//   CLanguageSelection dialog({IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO});
//   dialog.prompt = translation.GetText(1);
//   dialog.currentMarker = power.ReadSetting(_T("Language"));
//   dialog.DoModal(Handle());
//   if (dialog.currentMarker != stored) ... write "Language", initialise again
//
// The program's .rc holds the template: see common/LanguageSelection.rc.
#include "common/PowerClass.h"
#include "common/SharedDialogIds.h"
#include "framework/Dialog.h"

// The program's template of the dialog and the ids of its two controls.
struct LanguageDialogIds {
    UINT templateId;
    int group;
    int combo;
};

class CLanguageSelection : public Dialog {
public:
    explicit CLanguageSelection(const LanguageDialogIds& ids);

    tstring prompt;          // text of the group box
    tstring currentMarker;   // in: the stored marker; out: the confirmed one
    tstring shownText;       // text of the combo box's edit field
    tstrings pairs;          // marker, name, marker, name, ... in file order

    int GroupId() const { return ids_.group; }
    int ComboId() const { return ids_.combo; }

    static const TCHAR kSystemDefault[];   // "System default language"

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;
    void OnDpiChanged(int dpi) override;

private:
    void ReadLanguages();

    LanguageDialogIds ids_;
    PowerClass power_;
};
