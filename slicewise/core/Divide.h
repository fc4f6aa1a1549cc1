#pragma once
// The Divide command: cuts the source file into part files of PartSize
// bytes in the output folder.
#include "slicewise/core/SliceHost.h"

// The window's values that Divide reads.
struct DivideValues {
    tstring SourcePath;
    tstring OutputFolder;   // as shown: a folder followed by "\..."
    int SizeChoice = 4;
    int UserSize = 150;
    int SizeUnit = 1;       // the unit combo's list selection; kNoUnitSelected for typed text
};

SliceOutcome Divide(const DivideValues& values, SliceHost& host);
