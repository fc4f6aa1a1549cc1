#include "verbsmith/core/EntryOperations.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "framework/UiSeam.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/SpecialEntries.h"
#include "verbsmith/core/StartFailure.h"

namespace {

bool IsSendToRow(const EntryRow& entry) { return entry.kind == EntryKind::kSendTo; }

// A row may be removed when it is a Send To file or when its key path is
// exactly its own below a listed location.
bool MayRemove(const EntryRow& entry) {
    return IsSendToRow(entry) || LocationOfEntry(entry.keyPath, entry.name) != nullptr;
}

// False when the deletion failed and the user was told why.
bool DeleteEntry(PowerClass& power, const CTranslation& translation, HWND owner,
                 const EntryRow& entry) {
    if (IsSendToRow(entry))
        return DeleteSendToShortcut(power, translation, owner, entry.name);
    // The entry's own key: the verb key of a shell entry (its key path
    // without "\command"), the handler key of a handler.
    const tstring location = LocationOfEntry(entry.keyPath, entry.name)->path;
    if (!BackedUp(translation, owner,
                  EditorBackups().SaveClassesKey(BackupOperation::Remove, entry.name,
                                                 location + _T("\\") + entry.name)))
        return false;
    power.subKey = location;
    return ReportedAsDone(translation, owner, entry.name, power.DeleteClassesKeyTree(entry.name));
}

bool WriteDefaultValue(PowerClass& power, const CTranslation& translation, HWND owner,
                       const tstring& entryName, const tstring& keyPath, const tstring& data,
                       DWORD type = REG_SZ) {
    power.subKey = keyPath;
    return ReportedAsDone(translation, owner, entryName,
                          power.WriteRegistryValue(PowerClass::kClassesRoot, _T(""), data, type));
}

const TCHAR* TypeName(DWORD type) {
    switch (type) {
    case REG_NONE: return _T("REG_NONE");
    case REG_BINARY: return _T("REG_BINARY");
    case REG_DWORD: return _T("REG_DWORD");
    case REG_DWORD_BIG_ENDIAN: return _T("REG_DWORD_BIG_ENDIAN");
    case REG_LINK: return _T("REG_LINK");
    case REG_MULTI_SZ: return _T("REG_MULTI_SZ");
    case REG_QWORD: return _T("REG_QWORD");
    default: return _T("?");
    }
}

// A new registry entry: the verb key with its Name, then the command line.
bool AddShellEntry(PowerClass& power, const CTranslation& translation, HWND owner,
                   const EntryDraft& draft) {
    if (draft.name.find(_T('\\')) != tstring::npos) {
        ShowEditorMessage(translation, owner, texts::kNameWithBackslash);
        return false;
    }
    const tstring verbKey = TypeWriteLocation(draft.typeIndex) + _T("\\") + draft.name;
    if (!BackedUp(translation, owner,
                  EditorBackups().SaveClassesKey(BackupOperation::Add, draft.name, verbKey)))
        return false;
    return WriteDefaultValue(power, translation, owner, draft.name, verbKey, draft.name) &&
           WriteDefaultValue(power, translation, owner, draft.name, verbKey + _T("\\command"),
                             draft.value);
}

// Editing never renames: only the default value at the row's key path, in
// the type it had.
bool EditRegistryEntry(PowerClass& power, const CTranslation& translation, HWND owner,
                       const EntryDraft& draft) {
    if (!LocationOfEntry(draft.entryKeyPath, draft.name))
        return false;
    if (!BackedUp(translation, owner,
                  EditorBackups().SaveClassesKey(BackupOperation::Edit, draft.name, draft.entryKeyPath)))
        return false;
    return WriteDefaultValue(power, translation, owner, draft.name, draft.entryKeyPath, draft.value,
                             draft.original.type);
}

bool WriteDraft(PowerClass& power, const CTranslation& translation, HWND owner,
                const EntryDraft& draft) {
    const bool sendTo = draft.typeIndex >= kSendToType;
    if (draft.addMode)
        return sendTo ? CreateSendToShortcut(power, translation, owner, draft.name, draft.value)
                      : AddShellEntry(power, translation, owner, draft);
    return sendTo ? ReplaceSendToShortcut(power, translation, owner, draft.name, draft.value)
                  : EditRegistryEntry(power, translation, owner, draft);
}

}  // namespace

RowCommands CommandsFor(const EntryRow& entry) {
    const bool handler = IsActiveHandlerValue(entry.value) || IsDeactivatedHandlerValue(entry.value);
    return {handler && !entry.unreadableLink, !handler && !entry.unreadableLink,
            !entry.unreadableLink};
}

RemoveResult RemoveEntry(PowerClass& power, const CTranslation& translation, HWND owner,
                         const EntryRow& entry) {
    if (!MayRemove(entry))
        return RemoveResult::Refused;
    if (IsSendToRow(entry) && !CanReachSendToFile(power, translation, owner, entry.name))
        return RemoveResult::Refused;
    const tstring question = FormatText(_T("%s\n\n%s"), {translation.GetText(texts::kRemoveQuestion1),
                                                         translation.GetText(texts::kRemoveQuestion2)});
    if (ShowEditorMessage(translation, owner, question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return RemoveResult::Declined;
    if (!DeleteEntry(power, translation, owner, entry))
        return RemoveResult::Failed;
    ShowEditorMessage(translation, owner, texts::kRemoved);
    return RemoveResult::Removed;
}

std::optional<tstring> ToggleActivation(PowerClass& power, const CTranslation& translation,
                                        HWND owner, const EntryRow& entry) {
    const Location* location = LocationOfEntry(entry.keyPath, entry.name);
    if (!CommandsFor(entry).toggle || !location || !IsHandlerLocation(location->path))
        return std::nullopt;
    const tstring value = ToggledHandlerValue(entry.value);
    const BackupOperation operation = IsActiveHandlerValue(entry.value) ? BackupOperation::Deactivate
                                                                        : BackupOperation::Activate;
    if (!BackedUp(translation, owner,
                  EditorBackups().SaveClassesKey(operation, entry.name, entry.keyPath)))
        return std::nullopt;
    if (!WriteDefaultValue(power, translation, owner, entry.name, entry.keyPath, value))
        return std::nullopt;
    return value;
}

std::optional<EditableValue> ReadEditableValue(PowerClass& power, const CTranslation& translation,
                                               HWND owner, const EntryRow& entry) {
    if (IsSendToRow(entry))
        return EditableValue{entry.value, REG_SZ};
    power.subKey = entry.keyPath;
    EditableValue value;
    if (!power.ReadRegistryValue(PowerClass::kClassesRoot, _T(""), value.type, value.text))
        return EditableValue{};   // no value yet: the edit writes a text
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ)
        return value;
    ShowEditorMessage(translation, owner,
                      FormatText(translation.GetText(texts::kNotText), {TypeName(value.type)}));
    return std::nullopt;
}

int ActivationButtonText(const tstring& value) {
    return IsDeactivatedHandlerValue(value) ? texts::kActivateButton : texts::kDeactivateButton;
}

std::optional<ShellStart> ExecutableCommand(const tstring& value) {
    const tstring command = WithoutAll(value, _T(" %1"));
    if (command.empty() || BeginsWith(command, _T("{")) || BeginsWith(command, _T("(")) ||
        command == PowerClass::kNoRegSz)
        return std::nullopt;
    const CommandLine read = ReadCommandLine(value);
    if (read.program.empty())
        return std::nullopt;
    ShellStart start;
    start.verb = _T("open");
    start.file = read.location;
    start.parameters = WithoutPlaceholders(read.arguments);
    return start;
}

void ExecuteEntry(const CTranslation& translation, HWND owner, const tstring& value) {
    std::optional<ShellStart> start = ExecutableCommand(value);
    if (!start) {
        ShowEditorMessage(translation, owner, texts::kCannotExecute);
        return;
    }
    start->owner = owner;
    const INT_PTR result = Ui().Shell(*start);
    if (result > 32)
        return;
    const tstring what = translation.GetText(texts::kStartFailed) + _T("\n\n") + start->file;
    ShowEditorMessage(translation, owner, FailureText(what, ShellStartError(result)));
}

bool SaveEntry(PowerClass& power, const CTranslation& translation, HWND owner,
               const EntryDraft& draft) {
    if (draft.name.empty() || draft.value.empty() || draft.typeIndex <= 0) {
        ShowEditorMessage(translation, owner, texts::kEntryIncomplete);
        return false;
    }
    if (!draft.addMode && draft.value == draft.original.text)
        return true;
    if (!WriteDraft(power, translation, owner, draft))
        return false;
    ShowEditorMessage(translation, owner, draft.addMode ? texts::kEntryAdded : texts::kEntryChanged);
    return true;
}
