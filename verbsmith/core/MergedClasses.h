#pragma once
// HKEY_CLASSES_ROOT as the Explorer of a real user sees it: the user's
// HKEY_CURRENT_USER\Software\Classes over the machine's
// HKEY_LOCAL_MACHINE\Software\Classes. Both halves are read on their own, so
// the merge is the same wherever HKEY_CLASSES_ROOT itself shows only one half
// (Wine shows only the machine's).
#include "common/RegistryPlace.h"
#include <optional>
#include <vector>

// Where a key lives: only in the user's half; only in the machine's; in both,
// the machine's key with what the user's key changes.
enum class EntryScope { kUser, kMachine, kMachineChangedForUser };

struct MergedName {
    tstring name;
    EntryScope scope = EntryScope::kMachine;
};

namespace classes {
// The key path below HKEY_CLASSES_ROOT in the user's and the machine's half.
[[nodiscard]] RegistryPlace UserPlace(const tstring& path);
[[nodiscard]] RegistryPlace MachinePlace(const tstring& path);

// The sub keys of path in either half, each once, in the order the merged
// key enumerates them; nothing when neither half has the key.
[[nodiscard]] std::optional<std::vector<MergedName>> ListSubKeys(const tstring& path);
// A value of the key path: the user's key's where it has the value, else the
// machine's. scope says which halves hold the key (a listed entry's scope
// serves for the keys below it too), so that no other half is opened.
[[nodiscard]] std::optional<RegistryValue> ReadValue(const tstring& path, const tstring& name,
                                                      EntryScope scope);
}  // namespace classes
