#pragma once
// The add and edit dialog's two parameter buttons. A command line may end in
// one placeholder "%1" to "%9" for the file the Explorer hands over; the
// buttons append it, count it up or down, and take it away again.
#include "framework/TString.h"

// " %1" appended when the second-to-last character is not "%"; otherwise the
// last character counted up by one, but never beyond "9".
tstring WithParameterAdded(const tstring& value);
// Only when the second-to-last character is "%": a final "1" takes the last
// three characters with it (" %1"), any other last character is counted
// down by one.
tstring WithParameterRemoved(const tstring& value);
