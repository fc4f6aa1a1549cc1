#pragma once
// The joining script of a divided set, "<name>.join.cmd": a cmd.exe batch
// beside the parts that joins them on a computer without this program. It
// checks every part's size, joins them with "copy /b" into a temporary file,
// compares the result's SHA-256 with the set's where certutil gives one, and
// only then gives it the joined file's name, so that a failed join leaves a
// file of that name as it was. ASCII with CR LF lines, as cmd reads it in
// any code page.
#include "framework/TString.h"
#include "slicewise/core/Sha256.h"
#include <string>

// What the script needs of a set: every part but the last has partSize
// bytes, and the last the rest (none after an exact multiple).
struct JoinSet {
    tstring name;   // the joined file's name, without folder
    ULONGLONG size = 0;
    ULONGLONG partSize = 0;
    Sha256Digest digest = {};   // of the whole file
};

// The script's path for the set whose parts are named after stem.
tstring JoinScriptPath(const tstring& stem);
std::string JoinScriptText(const JoinSet& set);
