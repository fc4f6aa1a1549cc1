#include "verbsmith/core/HiddenVerbs.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include <vector>

namespace {

const TCHAR kLegacyDisable[] = _T("LegacyDisable");

tstring VerbKey(const tstring& location, const tstring& name) { return location + _T("\\") + name; }

// The halves a row's key lives in, the machine's first.
std::vector<ClassesHalf> HalvesOf(EntryScope scope) {
    switch (scope) {
    case EntryScope::kUser:
        return {ClassesHalf::kUser};
    case EntryScope::kMachineChangedForUser:
        return {ClassesHalf::kMachine, ClassesHalf::kUser};
    case EntryScope::kMachine:
        break;
    }
    return {ClassesHalf::kMachine};
}

// Value names compare as the registry compares them: case aside.
bool IsLegacyDisableName(const tstring& name) { return _tcsicmp(name.c_str(), kLegacyDisable) == 0; }

// What hiding a machine's verb without rights leaves in the user's half.
bool IsUsersHidingCopy(const EntryRow& entry, const tstring& verbKey) {
    if (entry.scope != EntryScope::kMachineChangedForUser)
        return false;
    const std::optional<RegistryNames> names = registry::ListNames(classes::UserPlace(verbKey));
    return names && names->subKeys.empty() && names->values.size() == 1 &&
           IsLegacyDisableName(names->values.front());
}

}  // namespace

bool IsHiddenVerb(const tstring& verbKey, EntryScope scope) {
    return classes::ReadValue(verbKey, kLegacyDisable, scope).has_value();
}

std::optional<EntryRow> HideVerb(EditorHost& host, const EntryRow& entry, const tstring& location,
                                 ClassesHalf half) {
    const tstring verbKey = VerbKey(location, entry.name);
    EntryRow hidden = entry;
    hidden.hidden = true;
    if (half == ClassesHalf::kUser && entry.scope == EntryScope::kMachine)
        hidden.scope = EntryScope::kMachineChangedForUser;
    if (!ChangeClassesKey(host, BackupOperation::Deactivate, entry.name, half, verbKey, [&] {
            return OutcomeOf(ReportedAsDone(
                host, entry.name, registry::WriteText(HalfPlace(half, verbKey), kLegacyDisable, tstring())));
        }))
        return std::nullopt;
    return hidden;
}

std::optional<EntryRow> ShowVerb(EditorHost& host, const EntryRow& entry, const tstring& location) {
    const tstring verbKey = VerbKey(location, entry.name);
    EntryRow shown = entry;
    shown.hidden = false;
    for (const ClassesHalf half : HalvesOf(entry.scope)) {
        if (!registry::ReadValue(HalfPlace(half, verbKey), kLegacyDisable))
            continue;
        const bool wholeCopy = half == ClassesHalf::kUser && IsUsersHidingCopy(entry, verbKey);
        const bool shownAgain = ChangeClassesKey(host, BackupOperation::Activate, entry.name, half, verbKey, [&] {
            const WriteResult result =
                wholeCopy ? registry::DeleteKeyTree(HalfPlace(half, location), entry.name)
                          : registry::DeleteValue(HalfPlace(half, verbKey), kLegacyDisable);
            return OutcomeOf(ReportedAsDone(host, entry.name, result));
        });
        if (!shownAgain)
            return std::nullopt;
        if (wholeCopy)
            shown.scope = EntryScope::kMachine;
    }
    return shown;
}
