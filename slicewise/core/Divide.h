#pragma once
// The Divide command: cuts the source file into part files of PartSize
// bytes in the output folder, with a checksum file of the set beside them
// (Manifest.h). Each part is written under a temporary name and named when
// it is complete: a divide that fails keeps the complete parts only, and one
// that is stopped removes the parts it made.
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
