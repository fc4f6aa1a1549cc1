#pragma once
// Shell verbs hidden without being deleted: the Explorer leaves a verb out of
// the menu while its verb key holds a value "LegacyDisable", whatever that
// value's type and data, and offers it again once the value is gone. The verb
// key, its command and its other values stay as they are either way.
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EditorHost.h"
#include "verbsmith/core/EntryScan.h"
#include <optional>

// The verb key (location\name, not its "command" key) hides the verb in the
// merged view of a row of that scope: a user's copy of the key that holds
// only the value hides a machine's verb for that user.
[[nodiscard]] bool IsHiddenVerb(const tstring& verbKey, EntryScope scope);

// Hides the listed verb of that location by an empty REG_SZ "LegacyDisable"
// in its verb key in that half, backed up first; in the user's half, a
// machine's verb becomes one the user's key changes. The row as it is now,
// or nothing when the system refused the change (the user was told).
[[nodiscard]] std::optional<EntryRow> HideVerb(EditorHost& host, const EntryRow& entry,
                                               const tstring& location, ClassesHalf half);
// Offers it again: the value goes from each half of the row that holds it,
// the machine's first, so that a refusal there changes nothing. A user's
// key that is a copy holding that value and nothing more goes as a whole,
// and the machine's verb shows through unchanged.
[[nodiscard]] std::optional<EntryRow> ShowVerb(EditorHost& host, const EntryRow& entry,
                                               const tstring& location);
