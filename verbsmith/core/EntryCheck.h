#pragma once
// Finds command lines that name a program file that is not there. It only
// reports; it changes nothing.
#include "common/Translation.h"
#include "verbsmith/core/EntryScan.h"
#include <vector>

// The text that is tested as a path: value without every " %1", " %2", " %3".
tstring CheckedCommandText(const tstring& value);
// Reports (text 126, Name and the checked text, caption 5, owned by owner)
// when the checked text names no existing file; returns true when it did.
// Class identifiers, "(..." texts, "No REG_SZ", empty texts and texts without
// a backslash are never checked.
bool CheckCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                      const tstring& name);
// The add and edit dialog's Check Command Line: a report, or text 127.
void CheckTypedCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                           const tstring& name);
// Check entries for errors: every row in list order (column 2 as value,
// column 0 as name), each problem reported when found, then text 127 when any
// was reported, otherwise 128. Loads a translator of its own; the message
// boxes have no owner window.
void CheckAllEntries(const std::vector<EntryRow>& rows);
