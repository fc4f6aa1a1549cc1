#pragma once
// Where a backup may write when Restore puts it back. A backup is a plain
// file in the user's own folder that any program of the user can change,
// and Restore may run with administrator rights: it writes only what the
// editor itself could have saved. A registry backup stays at or below the
// key its "Location:" line names, and that key at or below one of the keys
// the editor lists entries from or the classic menu's key (KeyNames.h); a
// Send To backup names a file directly in the Send To folder.
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/RegFile.h"
#include <optional>

// The first key a registry backup of that location reaches outside it: the
// location itself when it lies below none of the editor's keys, otherwise
// the first block (a deleting block too) outside the location. None when
// everything lies inside.
std::optional<std::wstring> FirstForeignKey(const std::wstring& location, const RegDocument& document);
