#pragma once
// The part size of the Divide command from the window's size values.
#include "framework/TString.h"

// Combo selection when its edit field holds typed text (CB_GETCURSEL's CB_ERR).
const int kNoUnitSelected = -1;

// sizeChoice: index of the checked size button (0 to 7); userSize: the number
// in the size box; sizeUnit: the unit combo's list selection. All results
// are unsigned 64-bit byte counts; a negative user size becomes huge.
ULONGLONG PartSizeFor(int sizeChoice, int userSize, int sizeUnit);
