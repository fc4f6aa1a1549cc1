#pragma once
// The part size of the Divide command from the window's size values.
#include "framework/TString.h"

// Combo selection when its edit field holds typed text (CB_GETCURSEL's CB_ERR).
const int kNoUnitSelected = -1;
// The unit combo's last entry: the user size is a number of equal parts.
const int kPartCountUnit = 4;

// sizeChoice: index of the checked size button (0 to 7); userSize: the number
// in the size box; sizeUnit: the unit combo's list selection; fileSize: the
// source's size in bytes, which only the parts unit uses. All results are
// unsigned 64-bit byte counts; a negative user size becomes huge.
// With the parts unit the size is fileSize divided by userSize, rounded up,
// so that every part but the last has the same size; a number below 2 or
// above fileSize gives 0, which Divide refuses. A file of fewer than 2 bytes
// gives 1, a size it is not larger than: Divide finds nothing to divide.
[[nodiscard]] ULONGLONG PartSizeFor(int sizeChoice, int userSize, int sizeUnit, ULONGLONG fileSize);
