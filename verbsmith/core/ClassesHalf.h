#pragma once
// The half of HKEY_CLASSES_ROOT a change is made in, named and written
// directly: HKEY_CLASSES_ROOT itself would send a new key to the machine's
// half, which a user without administrator rights may not change.
#include "verbsmith/core/MergedClasses.h"

// The user's HKEY_CURRENT_USER\Software\Classes ("only for me") or the
// machine's HKEY_LOCAL_MACHINE\Software\Classes ("for all users").
enum class ClassesHalf { kUser, kMachine };

// The half a change of a listed entry acts on: where the entry lives. Of a
// machine's entry that the user's key changes, the user's key: that is what
// the user sees, and what the user may change without rights.
[[nodiscard]] ClassesHalf HalfOf(EntryScope scope);
// Where a new entry goes unless the user chooses: the user's own half
// without administrator rights, the machine's with them.
[[nodiscard]] ClassesHalf DefaultHalf();
// A change in that half needs administrator rights that the program lacks:
// the machine's half without them.
[[nodiscard]] bool NeedsRights(ClassesHalf half);
// The key path below HKEY_CLASSES_ROOT in that half.
[[nodiscard]] RegistryPlace HalfPlace(ClassesHalf half, const tstring& path);
// The key's full name as a backup names it (KeyNames.h).
[[nodiscard]] std::wstring HalfKeyName(ClassesHalf half, const std::wstring& path);
