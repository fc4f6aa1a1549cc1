#include "verbsmith/core/EntryOperations.h"
#include "common/RegistryPlace.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/HiddenVerbs.h"
#include "verbsmith/core/SpecialEntries.h"
#include "verbsmith/core/StartFailure.h"

namespace {

bool IsSendToRow(const EntryRow& entry) { return entry.kind == EntryKind::kSendTo; }

// A row may be removed when it is a Send To file or when its key path is
// exactly its own below a listed location.
bool MayRemove(const EntryRow& entry) {
    return IsSendToRow(entry) || LocationOfEntry(entry.keyPath, entry.name) != nullptr;
}

// A Send To name outside the folder, or an unknown folder, is told (443, 444).
bool MayDelete(EditorHost& host, const EntryRow& entry) {
    return MayRemove(entry) && (!IsSendToRow(entry) || CanReachSendToFile(host, entry.name));
}

// False when the deletion failed and the user was told why.
bool DeleteEntry(EditorHost& host, const EntryRow& entry) {
    if (IsSendToRow(entry))
        return DeleteSendToShortcut(host, entry.name);
    // The entry's own key: the verb key of a shell entry (its key path
    // without "\command"), the handler key of a handler.
    const tstring location = LocationOfEntry(entry.keyPath, entry.name)->path;
    const ClassesHalf half = HalfOf(entry.scope);
    return ChangeClassesKey(host, BackupOperation::Remove, entry.name, half,
                            location + _T("\\") + entry.name, [&] {
                                return OutcomeOf(ReportedAsDone(
                                    host, entry.name,
                                    registry::DeleteKeyTree(HalfPlace(half, location), entry.name)));
                            });
}

bool WriteDefaultValue(EditorHost& host, const tstring& entryName, ClassesHalf half,
                       const tstring& keyPath, const tstring& data, DWORD type = REG_SZ) {
    return ReportedAsDone(host, entryName,
                          registry::WriteText(HalfPlace(half, keyPath), _T(""), data, type));
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

// A new registry entry in the chosen half: the verb key with its Name, then
// the command line.
bool AddShellEntry(EditorHost& host, const EntryDraft& draft) {
    if (draft.name.find(_T('\\')) != tstring::npos) {
        host.Tell(texts::kNameWithBackslash);
        return false;
    }
    const tstring verbKey = TypeWriteLocation(draft.typeIndex) + _T("\\") + draft.name;
    return ChangeClassesKey(host, BackupOperation::Add, draft.name, draft.half, verbKey, [&] {
        if (!WriteDefaultValue(host, draft.name, draft.half, verbKey, draft.name))
            return ChangeOutcome::kRefused;
        return WriteDefaultValue(host, draft.name, draft.half, verbKey + _T("\\command"), draft.value)
                   ? ChangeOutcome::kMade
                   : ChangeOutcome::kMadeInPart;
    });
}

// Editing never renames: only the default value at the row's key path, in
// the type it had and in the half it was read from.
bool EditRegistryEntry(EditorHost& host, const EntryDraft& draft) {
    if (!LocationOfEntry(draft.entryKeyPath, draft.name))
        return false;
    return ChangeClassesKey(host, BackupOperation::Edit, draft.name, draft.half, draft.entryKeyPath, [&] {
        return OutcomeOf(WriteDefaultValue(host, draft.name, draft.half, draft.entryKeyPath,
                                           draft.value, draft.original.type));
    });
}

// A machine's handler or verb is toggled in the machine's key by a program
// with administrator rights, and for the user alone by one without them.
ClassesHalf ToggleHalf(EntryScope scope) {
    return scope == EntryScope::kMachine && NeedsRights(ClassesHalf::kMachine) ? ClassesHalf::kUser
                                                                               : HalfOf(scope);
}

// The user's key of a machine's handler holds the default value alone, and
// without it the machine's value, newValue, shows through.
bool IsUsersDeactivatingCopy(const EntryRow& entry, const tstring& newValue) {
    if (entry.scope != EntryScope::kMachineChangedForUser)
        return false;
    const std::optional<RegistryNames> names = registry::ListNames(classes::UserPlace(entry.keyPath));
    const std::optional<RegistryValue> machine =
        classes::ReadValue(entry.keyPath, _T(""), EntryScope::kMachine);
    return names && names->subKeys.empty() && names->values == tstrings{_T("")} && machine &&
           machine->text == newValue;
}

bool WriteDraft(EditorHost& host, const EntryDraft& draft) {
    const bool sendTo = draft.typeIndex >= kSendToType;
    if (draft.addMode)
        return sendTo ? CreateSendToShortcut(host, draft.name, draft.value)
                      : AddShellEntry(host, draft);
    return sendTo ? ReplaceSendToShortcut(host, draft.name, draft.value)
                  : EditRegistryEntry(host, draft);
}

}  // namespace

RowCommands CommandsFor(const EntryRow& entry) {
    const bool handler = entry.kind == EntryKind::kHandler &&
                         (IsActiveHandlerValue(entry.value) || IsDeactivatedHandlerValue(entry.value));
    return {handler || entry.kind == EntryKind::kShell, !handler && !entry.unreadableLink,
            !entry.unreadableLink};
}

RemoveResult RemoveEntry(EditorHost& host, const EntryRow& entry) {
    if (!MayDelete(host, entry))
        return RemoveResult::Refused;
    const tstring question = FormatText(_T("%s\n\n%s"), {host.Text(texts::kRemoveQuestion1),
                                                         host.Text(texts::kRemoveQuestion2)});
    if (!host.Ask(question))
        return RemoveResult::Declined;
    if (!DeleteEntry(host, entry))
        return RemoveResult::Failed;
    host.Tell(texts::kRemoved);
    return RemoveResult::Removed;
}

bool RemoveUnasked(EditorHost& host, const EntryRow& entry) {
    return MayDelete(host, entry) && DeleteEntry(host, entry);
}

std::optional<EntryRow> ToggleActivation(EditorHost& host, const EntryRow& entry) {
    const Location* location = LocationOfEntry(entry.keyPath, entry.name);
    if (!CommandsFor(entry).toggle || !location ||
        IsHandlerLocation(location->path) != (entry.kind == EntryKind::kHandler))
        return std::nullopt;
    if (entry.kind == EntryKind::kShell)
        return entry.hidden ? ShowVerb(host, entry, location->path)
                            : HideVerb(host, entry, location->path, ToggleHalf(entry.scope));
    EntryRow toggled = entry;
    toggled.value = ToggledHandlerValue(entry.value);
    const BackupOperation operation = IsActiveHandlerValue(entry.value) ? BackupOperation::Deactivate
                                                                        : BackupOperation::Activate;
    if (IsUsersDeactivatingCopy(entry, toggled.value)) {
        toggled.scope = EntryScope::kMachine;
        if (!ChangeClassesKey(host, operation, entry.name, ClassesHalf::kUser, entry.keyPath, [&] {
                return OutcomeOf(ReportedAsDone(
                    host, entry.name,
                    registry::DeleteKeyTree(classes::UserPlace(location->path), entry.name)));
            }))
            return std::nullopt;
        return toggled;
    }
    const ClassesHalf half = ToggleHalf(entry.scope);
    if (half == ClassesHalf::kUser && entry.scope == EntryScope::kMachine)
        toggled.scope = EntryScope::kMachineChangedForUser;
    if (!ChangeClassesKey(host, operation, entry.name, half, entry.keyPath, [&] {
            return OutcomeOf(WriteDefaultValue(host, entry.name, half, entry.keyPath, toggled.value));
        }))
        return std::nullopt;
    return toggled;
}

std::optional<EditableValue> ReadEditableValue(EditorHost& host, const EntryRow& entry) {
    if (IsSendToRow(entry))
        return EditableValue{entry.value, REG_SZ};
    const ClassesHalf half = HalfOf(entry.scope);
    const std::optional<RegistryValue> value = classes::ReadValue(entry.keyPath, _T(""), entry.scope);
    if (!value)
        return EditableValue{tstring(), REG_SZ, half};   // no value yet: the edit writes a text
    if (value->type == REG_SZ || value->type == REG_EXPAND_SZ)
        return EditableValue{value->text, value->type, half};
    host.Tell(FormatText(host.Text(texts::kNotText), {TypeName(value->type)}));
    return std::nullopt;
}

int ActivationButtonText(const EntryRow& entry) {
    const bool inactive =
        entry.hidden || (entry.kind == EntryKind::kHandler && IsDeactivatedHandlerValue(entry.value));
    return inactive ? texts::kActivateButton : texts::kDeactivateButton;
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

void ExecuteEntry(EditorHost& host, const tstring& value) {
    std::optional<ShellStart> start = ExecutableCommand(value);
    if (!start) {
        host.Tell(texts::kCannotExecute);
        return;
    }
    const INT_PTR result = host.Start(*start);
    if (result > 32)
        return;
    const tstring what = host.Text(texts::kStartFailed) + _T("\n\n") + start->file;
    host.Tell(FailureText(what, ShellStartError(result)));
}

bool SaveEntry(EditorHost& host, const EntryDraft& draft) {
    if (draft.name.empty() || draft.value.empty() || draft.typeIndex <= 0) {
        host.Tell(texts::kEntryIncomplete);
        return false;
    }
    if (!draft.addMode && draft.value == draft.original.text)
        return true;
    if (!WriteDraft(host, draft))
        return false;
    host.Tell(draft.addMode ? texts::kEntryAdded : texts::kEntryChanged);
    return true;
}
