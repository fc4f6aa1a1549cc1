#pragma once
// The system's own words for an error code, as the user is to read them.
#include "framework/TString.h"

// FormatMessage's text for a Win32 error or an HRESULT, without its line
// end; the number itself when the system has no text for it.
tstring SystemErrorText(DWORD error);
