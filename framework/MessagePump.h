#pragma once
// Lets the window stay alive during a long command on the window thread.
#include "framework/TString.h"

// While a message is waiting, take and dispatch it (dialog keys included).
// A WM_QUIT is put back for the real loop and ends the pumping.
void PumpPendingMessages();
