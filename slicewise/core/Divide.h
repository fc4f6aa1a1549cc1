#pragma once
// The Divide command: cuts the source file into part files of PartSize
// bytes in the output folder, with a checksum file of the set and a script
// that joins it without this program beside them (Manifest.h, JoinScript.h).
// The set's files are written under temporary names and named only when the
// last is complete (the checksum file and the script first),
// so a set of the same name is replaced whole: a divide that is refused,
// fails or is stopped leaves it as it was, and a crash while the names
// change leaves a mix that the checksum file refuses.
#include "slicewise/core/SliceHost.h"

// The window's values that Divide reads.
struct DivideValues {
    tstring SourcePath;
    tstring OutputFolder;   // as shown: a folder followed by "\..."
    int SizeChoice = 4;
    int UserSize = 150;
    int SizeUnit = 1;       // the unit combo's list selection; kNoUnitSelected for typed text
    bool WriteManifest = true;   // false only to measure what the checksums cost
};

SliceOutcome Divide(const DivideValues& values, SliceHost& host);
