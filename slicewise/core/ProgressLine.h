#pragma once
// The line beside the progress bar of a run: its speed so far and the time
// it has left, from the bytes done of the whole run and the seconds since it
// began.
#include "framework/TString.h"

// format: language text 344 with "%s" for the speed in MB/s (one decimal,
// in the user's number format) and "%s" for the time left ("m:ss", or
// "h:mm:ss" from an hour on). Empty until there is a speed to tell.
tstring ProgressLine(const tstring& format, ULONGLONG done, ULONGLONG total, double seconds);
