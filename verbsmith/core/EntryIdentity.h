#pragma once
// What makes an entry the same entry from one start to the next, and the
// same one a backup was saved for: the half of HKEY_CLASSES_ROOT it lives in,
// its location and its name, written "<U or M><location>\<name>" in capitals
// ("M*\SHELL\OPEN WITH", "USENDTO\MAIL.LNK"), so that identities compare as
// the registry compares key names: a key written again as "open" is the
// "Open" it was. A location never ends in "\" and a name never holds one, so
// the text names one entry alone.
#include "verbsmith/core/BackupFileName.h"
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EntryScan.h"
#include <unordered_set>

using EntrySet = std::unordered_set<tstring>;

// The row's entry in that half; empty for a row of no listed location.
[[nodiscard]] tstring EntryIdentity(const EntryRow& row, ClassesHalf half);
// The identity the editor remembers a row by: a machine's entry that the
// user's key changes is still the machine's, so that a user's change of it
// never makes it new; a Send To file is the user's.
[[nodiscard]] tstring EntryIdentity(const EntryRow& row);
// The entry whose key, or a key below it, the backup saved, in the half it
// was saved from; a Send To backup's file. Empty for a backup of anything
// else (the classic menu's key) and for one whose lines cannot be read.
[[nodiscard]] tstring EntryIdentity(const Backup& backup);
