#pragma once
// The Merge command: the user picks any part of a divided set (one of this
// program's or a numbered set of another splitter, see PartSet.h); the
// parts from part 1 on are joined into one file beside them. A set that
// cannot be right (a missing part before the last, an empty part 1, a part
// before the last of another length than part 1, a checksum file that is
// not the set's) is refused before anything is written. The joined file is
// written under a temporary name and named only when the whole set is
// joined (and checked, when the set's checksum file lies beside the parts):
// a merge that is refused, fails or is stopped leaves an existing file of
// that name as it was.
#include "slicewise/core/SliceHost.h"

// The open-file dialog's filter and file-name buffer size.
// Both kinds of part 1 first, then this program's parts alone, then all files.
extern const TCHAR kPartFilter[];
const size_t kPartPathChars = 61440;

SliceOutcome Merge(SliceHost& host);
// The same for a part the user already named (dropped on the window): no
// hint, no file dialog.
SliceOutcome MergePart(SliceHost& host, const tstring& chosen);
