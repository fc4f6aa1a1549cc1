// Which rule: Windows Vista and later merge the two halves at every level. A
// sub key of either half is one key of the merged view, and in a key both
// halves hold, each value comes from the user's key where it has that value
// and from the machine's otherwise. Microsoft's page "Merged View of
// HKEY_CLASSES_ROOT" describes an older, coarser rule that takes certain top
// keys whole from one half; the Explorer of the systems this editor serves
// reads the per-key, per-value merge, so the list shows what it offers.
#include "verbsmith/core/MergedClasses.h"
#include <set>

namespace {
const TCHAR kClasses[] = _T("Software\\Classes\\");

// Key names compare as the registry compares them: ordinally, case aside.
int CompareKeyNames(const tstring& a, const tstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) - CSTR_EQUAL;
}
struct KeyNameLess {
    bool operator()(const tstring& a, const tstring& b) const { return CompareKeyNames(a, b) < 0; }
};
using KeyNameSet = std::set<tstring, KeyNameLess>;

// Order: each half enumerates its sub keys sorted by name, and the merged
// key of Windows enumerates the two as one sorted list, each name once. The
// merge below gives that order, and where only the machine's half holds a
// location it gives exactly the machine's order, which is what Wine's
// HKEY_CLASSES_ROOT shows. A name of both halves keeps the user's spelling,
// as the user's key is the one seen first.
std::vector<MergedName> MergeNames(const tstrings& user, const tstrings& machine) {
    const KeyNameSet userNames(user.begin(), user.end());
    const KeyNameSet machineNames(machine.begin(), machine.end());
    std::vector<MergedName> merged;
    merged.reserve(user.size() + machine.size());
    auto u = user.begin();
    auto m = machine.begin();
    while (u != user.end() || m != machine.end()) {
        if (u != user.end() && machineNames.count(*u)) {
            ++u;   // listed where the machine's half lists it
        } else if (m == machine.end() || (u != user.end() && CompareKeyNames(*u, *m) < 0)) {
            merged.push_back({*u++, EntryScope::kUser});
        } else {
            const auto mine = userNames.find(*m);
            if (mine == userNames.end())
                merged.push_back({*m, EntryScope::kMachine});
            else
                merged.push_back({*mine, EntryScope::kMachineChangedForUser});
            ++m;
        }
    }
    return merged;
}
}  // namespace

namespace classes {

RegistryPlace UserPlace(const tstring& path) { return {HKEY_CURRENT_USER, kClasses + path}; }

RegistryPlace MachinePlace(const tstring& path) { return {HKEY_LOCAL_MACHINE, kClasses + path}; }

std::optional<std::vector<MergedName>> ListSubKeys(const tstring& path) {
    const std::optional<RegistryNames> user = registry::ListNames(UserPlace(path));
    const std::optional<RegistryNames> machine = registry::ListNames(MachinePlace(path));
    if (!user && !machine)
        return std::nullopt;
    return MergeNames(user ? user->subKeys : tstrings(), machine ? machine->subKeys : tstrings());
}

std::optional<RegistryValue> ReadValue(const tstring& path, const tstring& name, EntryScope scope) {
    if (scope != EntryScope::kMachine) {
        std::optional<RegistryValue> value = registry::ReadValue(UserPlace(path), name);
        if (value || scope == EntryScope::kUser)
            return value;
    }
    return registry::ReadValue(MachinePlace(path), name);
}

}  // namespace classes
