#pragma once
// The dialog in which the user adds a context-menu entry or changes the value
// of a listed one. Add mode picks a type, a name and a command line; edit
// mode keeps name and type and writes the value back. A new entry goes to
// the half the user chooses; an edit to the half the entry lives in.
#include "common/Translation.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/WindowEditorHost.h"
#include "framework/Dialog.h"

class AddEditDlg : public Dialog {
public:
    AddEditDlg();

    // Set by the opener before the dialog is shown.
    bool addMode = true;
    tstring entryKeyPath;    // edit mode: the entry's key path
    tstring Name;
    tstring entryTypeText;   // edit mode: the entry's category text
    tstring Value;
    EditableValue original;  // edit mode: the value as it stood, and its type

    // True when a Verbsmith with administrator rights started to add the
    // entry for all users: the main window makes way for it.
    bool restartedElevated = false;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnHelp(const HELPINFO& info) override;
    void OnOK() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void FillLists();
    void TranslateControls();
    void ChooseProgram();
    void BrowseFile();
    void BrowseFolder();
    void ChangeParameter(bool add);
    void AddSpecialEntry(int button);
    void CheckTypedValue();
    // The "only for me" / "for all users" choice.
    void ShowHalf(ClassesHalf half);
    ClassesHalf ChosenHalf() const;
    // The chosen half needs rights this Verbsmith lacks: the shields on the
    // buttons that write to it, and the offer of a Verbsmith that has them.
    [[nodiscard]] bool WritesNeedRights() const;
    void UpdateShields();

    tstring valueLabel;
    tstring typeLabel;
    tstring nameLabel;
    tstring specialText;
    CTranslation translation_;
    WindowEditorHost host_{*this, translation_};
};
