#include "AddEditDlg.h"
#include "CommandParameters.h"
#include "AddEditDlgIds.h"
#include "ElevatedRestart.h"
#include "common/HelpFile.h"
#include "common/TextTables.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/UiSeam.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/SpecialEntries.h"

namespace {

// Group boxes and buttons; the labels go through the data exchange.
const std::vector<ControlText> kControlTexts = {
    {IDC_NORMAL_GROUP, texts::kNormalGroup},
    {IDC_BROWSE_FILE, texts::kBrowseFileButton},
    {IDC_SPECIAL_GROUP, texts::kSpecialGroup},
    {IDC_ADD_COPY_TO, texts::kAddCopyToButton},
    {IDC_ADD_MOVE_TO, texts::kAddMoveToButton},
    {IDCANCEL, texts::kCancelButton},
    {IDC_ADD_PARAMETER, texts::kAddParameterButton},
    {IDC_REMOVE_PARAMETER, texts::kRemoveParameterButton},
    {IDC_CHECK_COMMAND, texts::kCheckCommandButton},
    {IDC_HALF_GROUP, texts::kHalfGroup},
    {IDC_FOR_ME, texts::kForMe},
    {IDC_FOR_ALL_USERS, texts::kForAllUsers},
    {IDC_PROGRAM_LABEL, texts::kProgramLabel},
};

// Controls that only make sense for a command line.
const int kCommandLineTools[] = {IDC_BROWSE_FILE,   IDC_BROWSE_FOLDER,    IDC_PROGRAM,
                                 IDC_ADD_PARAMETER, IDC_REMOVE_PARAMETER, IDC_CHECK_COMMAND};

const TCHAR kExeFilter[] = _T("exe files (*.exe)|*.exe");
const size_t kFileNameChars = 61440;

}  // namespace

AddEditDlg::AddEditDlg() : Dialog(IDD_ADDEDIT), translation_(EditorDialects()) {}

BOOL AddEditDlg::OnInitDialog() {
    translation_.Load();
    EnableItem(IDC_ENTRY_TYPE, false);
    FillLists();
    TranslateControls();
    const bool handler = IsActiveHandlerValue(Value) || IsDeactivatedHandlerValue(Value);
    if (handler) {
        for (int id : kCommandLineTools)
            EnableItem(id, false);
    }
    valueLabel = translation_.GetText(handler ? texts::kHandlerValueLabel : texts::kCommandLineLabel);
    if (addMode) {
        EnableItem(IDC_ENTRY_TYPE, true);
        ComboBox types(Item(IDC_ENTRY_TYPE));
        types.Select(0);
        // The exchange below selects by this text: keep the placeholder.
        entryTypeText = types.ItemText(0);
    } else {
        EnableItem(IDC_NAME, false);
        EnableItem(IDC_ADD_COPY_TO, false);
        EnableItem(IDC_ADD_MOVE_TO, false);
        // An edit stays in the half the entry lives in: shown, not chosen.
        EnableItem(IDC_FOR_ME, false);
        EnableItem(IDC_FOR_ALL_USERS, false);
    }
    ShowHalf(addMode ? DefaultHalf() : original.half);
    UpdateData(false);
    UpdateShields();
    return TRUE;
}

// An edit was offered the other Verbsmith before the dialog opened; a Send
// To shortcut is always the user's own.
bool AddEditDlg::WritesNeedRights() const {
    return addMode && NeedsRights(ChosenHalf());
}

void AddEditDlg::UpdateShields() {
    const bool needed = WritesNeedRights();
    const bool sendTo = ComboBox(Item(IDC_ENTRY_TYPE)).Selection() >= kSendToType;
    Button_SetElevationRequiredState(Item(IDOK), needed && !sendTo ? TRUE : FALSE);
    for (int button : {IDC_ADD_COPY_TO, IDC_ADD_MOVE_TO})
        Button_SetElevationRequiredState(Item(button), needed ? TRUE : FALSE);
}

void AddEditDlg::ShowHalf(ClassesHalf half) {
    CheckRadioButton(Handle(), IDC_FOR_ME, IDC_FOR_ALL_USERS,
                     half == ClassesHalf::kUser ? IDC_FOR_ME : IDC_FOR_ALL_USERS);
}

ClassesHalf AddEditDlg::ChosenHalf() const {
    return IsDlgButtonChecked(Handle(), IDC_FOR_ME) == BST_CHECKED ? ClassesHalf::kUser
                                                                   : ClassesHalf::kMachine;
}

void AddEditDlg::FillLists() {
    ComboBox programs(Item(IDC_PROGRAM));
    for (const ProgramChoice& choice : ProgramChoices)
        programs.Add(translation_.GetText(choice.text));
    programs.Select(0);
    ComboBox types(Item(IDC_ENTRY_TYPE));
    for (const EntryType& type : EntryTypes)
        types.Add(translation_.GetText(type.text));
}

void AddEditDlg::TranslateControls() {
    ApplyControlTexts(Handle(), translation_, kControlTexts);
    typeLabel = translation_.GetText(texts::kTypeLabel);
    nameLabel = translation_.GetText(texts::kNameLabel);
    specialText = translation_.GetText(texts::kSpecialText);
}

void AddEditDlg::DoDataExchange(DataExchange& exchange) {
    exchange.ComboText(IDC_ENTRY_TYPE, entryTypeText);
    exchange.Text(IDC_NAME, Name);
    exchange.Text(IDC_VALUE, Value);
    exchange.Text(IDC_VALUE_LABEL, valueLabel);
    exchange.Text(IDC_TYPE_LABEL, typeLabel);
    exchange.Text(IDC_NAME_LABEL, nameLabel);
    exchange.Text(IDC_SPECIAL_TEXT, specialText);
}

bool AddEditDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_ENTRY_TYPE:
        if (code == CBN_SELCHANGE) {
            UpdateShields();
            SetFocus(Item(IDC_NAME));
        }
        return code == CBN_SELCHANGE;
    case IDC_FOR_ME:
    case IDC_FOR_ALL_USERS:
        UpdateShields();
        return false;
    case IDC_PROGRAM:
        if (code == CBN_SELCHANGE)
            ChooseProgram();
        return code == CBN_SELCHANGE;
    case IDC_BROWSE_FILE: BrowseFile(); return true;
    case IDC_BROWSE_FOLDER: BrowseFolder(); return true;
    case IDC_ADD_PARAMETER: ChangeParameter(true); return true;
    case IDC_REMOVE_PARAMETER: ChangeParameter(false); return true;
    case IDC_ADD_COPY_TO:
    case IDC_ADD_MOVE_TO: AddSpecialEntry(id); return true;
    case IDC_CHECK_COMMAND: CheckTypedValue(); return true;
    default: return Dialog::OnCommand(id, code, control);
    }
}

bool AddEditDlg::OnHelp(const HELPINFO&) {
    OpenHelpFile(Handle());
    return true;
}

void AddEditDlg::ChooseProgram() {
    UpdateData(true);
    const int index = ComboBox(Item(IDC_PROGRAM)).Selection();
    // Index 0 (and no selection) clears the value.
    Value = index > 0 && static_cast<size_t>(index) < kProgramChoiceCount
                ? ProgramChoices[index].value
                : _T("");
    UpdateData(false);
}

void AddEditDlg::BrowseFile() {
    UpdateData(true);
    tstring path;
    if (!Ui().ChooseOpenFile(Handle(), kExeFilter, kFileNameChars, path))
        return;
    Value = path;
    UpdateData(false);
}

void AddEditDlg::BrowseFolder() {
    UpdateData(true);
    tstring path;
    if (!Ui().ChooseFolder(Handle(), translation_.GetText(texts::kFolderBrowserTitle), path))
        return;
    Value = path;
    UpdateData(false);
}

void AddEditDlg::ChangeParameter(bool add) {
    UpdateData(true);
    const tstring changed = add ? WithParameterAdded(Value) : WithParameterRemoved(Value);
    if (changed == Value)
        return;
    Value = changed;
    UpdateData(false);
}

void AddEditDlg::AddSpecialEntry(int button) {
    if (DialogHandedToElevation(*this, host_, ChosenHalf(), restartedElevated))
        return;
    AddSpecialHandler(host_, button, ChosenHalf());
    // Nothing else of the dialog is written.
    EndDialog(IDCANCEL);
}

void AddEditDlg::CheckTypedValue() {
    UpdateData(true);
    CheckTypedCommandLine(host_, Value, Name);
}

void AddEditDlg::OnOK() {
    if (!UpdateData(true))
        return;
    EntryDraft draft;
    draft.addMode = addMode;
    draft.typeIndex = ComboBox(Item(IDC_ENTRY_TYPE)).Selection();
    draft.name = Name;
    draft.value = Value;
    draft.entryKeyPath = entryKeyPath;
    draft.original = original;
    draft.half = addMode ? ChosenHalf() : original.half;
    const bool registry = draft.typeIndex > 0 && draft.typeIndex < kSendToType;
    if (addMode && registry && DialogHandedToElevation(*this, host_, draft.half, restartedElevated))
        return;
    if (SaveEntry(host_, draft))
        EndDialog(IDOK);
}
