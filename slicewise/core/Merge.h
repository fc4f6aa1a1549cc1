#pragma once
// The Merge command: the user picks a part of a divided set; the parts from
// part 1 on are joined into one file beside them, named by the parts' stem.
// A set that cannot be right (an empty part 1, a short part with another
// after it, a checksum file that is not the set's) is refused before
// anything is written. The joined file is written under a temporary name and
// named only when the whole set is joined (and checked, when the set's
// checksum file lies beside the parts): a merge that is refused, fails or is
// stopped leaves an existing file of that name as it was.
#include "slicewise/core/SliceHost.h"

// The open-file dialog's filter and file-name buffer size.
extern const TCHAR kPartFilter[];   // "Vantorel divided files (*.00001.vtrl)|*.00001.vtrl"
const size_t kPartPathChars = 61440;

SliceOutcome Merge(SliceHost& host);
