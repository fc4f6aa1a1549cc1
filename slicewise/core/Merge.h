#pragma once
// The Merge command: the user picks a part of a divided set; the parts from
// part 1 on are joined into one file beside them, named by the parts' stem.
#include "slicewise/core/SliceHost.h"

// The open-file dialog's filter and file-name buffer size.
extern const TCHAR kPartFilter[];   // "Vantorel divided files (*.00001.vtrl)|*.00001.vtrl"
const size_t kPartPathChars = 61440;

SliceOutcome Merge(SliceHost& host);
