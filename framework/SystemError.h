#pragma once
// The system's own words for an error code, as the user is to read them.
#include "framework/TString.h"

// FormatMessage's text for a Win32 error or an HRESULT, without its line
// end; the number itself when the system has no text for it.
tstring SystemErrorText(DWORD error);

// The one form of the suite's failure reports: what failed, a blank line
// and the system's own words for why (none for ERROR_SUCCESS).
tstring FailureText(const tstring& what, DWORD error);
// The report in a message box (through the UI seam) of that caption and type.
void ReportFailure(HWND owner, const tstring& what, DWORD error, const tstring& caption,
                   UINT type);
