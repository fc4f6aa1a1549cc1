#pragma once
// Finds command lines that name a program file that is not there, and active
// handlers whose class or file is not there. It only reports; it changes
// nothing.
#include "verbsmith/core/EditorHost.h"
#include "verbsmith/core/EntryScan.h"
#include <vector>

// Tells the user (text 126, Name and the missing program path in brackets)
// when the value names a program that is not there; returns true when it
// did. The program is read as Windows reads the command
// line (verbsmith/core/CommandLineReader.h); a value that as a whole names an
// existing file or folder (a Send To target) passes. Class identifiers,
// "(..." texts, "No REG_SZ", empty texts, texts without a backslash and bare
// program names (found along the search path, not here) are never reported.
bool CheckCommandLine(EditorHost& host, const tstring& value, const tstring& name);
// The add and edit dialog's Check Command Line: a report, or text 127.
void CheckTypedCommandLine(EditorHost& host, const tstring& value, const tstring& name);
// Check entries for errors: every row in list order (column 2 as value,
// column 0 as name), each problem reported when found, then text 127 when any
// was reported, otherwise 128, one message at a time. An active handler is
// reported as a command line is (text 710 with its class, 711 with its file).
void CheckAllEntries(EditorHost& host, const std::vector<EntryRow>& rows);
