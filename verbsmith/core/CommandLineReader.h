#pragma once
// Reads a command line as Windows starts it: which program it names and what
// text follows for that program.
//
// Environment variables are expanded first. A command line that begins with
// a double quote names the program inside the first pair of quotes. An
// unquoted one is read as CreateProcess reads it: the shortest leading run of
// words that names an existing file, ".exe" added to a name without an
// extension ("C:\Program Files\App\app -x" may be C:\Program.exe with the
// arguments "Files\App\app -x"). A run ends before a quoted word and before a
// placeholder the shell fills in ("%1", "%L", "%*", ...). When no run names a
// file, the program is the shortest run that ends in a program name
// (".exe", ".com", ".bat", ".cmd"), otherwise the whole run.
//
// In a 32-bit process on 64-bit Windows the reader finds what the 64-bit
// Explorer would start: %ProgramFiles% and %CommonProgramFiles% name the
// 64-bit folders, and paths in System32 are looked up in the 64-bit system
// folder through "Sysnative". The system is asked through ProgramLookup.
#include "framework/TString.h"

struct CommandLine {
    tstring program;     // as Windows names it, expanded; ".exe" added when so found
    tstring location;    // where this process reaches the program (its Sysnative path)
    tstring arguments;   // the text after the program, without the blanks before it
    bool found = false;  // the program is an existing file
};

CommandLine ReadCommandLine(const tstring& commandLine);

// True when the whole text, expanded and looked up as a program would be,
// names an existing file or folder (a Send To target, for example).
bool NamesExistingPath(const tstring& text);

// The arguments without the words that are only a placeholder, quoted or not
// ("%1", "\"%L\""); the other words are kept as they stand, one blank apart.
tstring WithoutPlaceholders(const tstring& arguments);
