#pragma once
// The launch handshake between the launcher and the modules it starts:
// before it starts one, the launcher writes the value kValue = kRunning
// below kKey of HKEY_LOCAL_MACHINE and hides; every module deletes the
// value when its window closes (below HKEY_CURRENT_USER too), and the
// launcher comes back when the value is no longer kRunning.
#include "framework/TString.h"

namespace handshake {
const TCHAR kKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");
// The key of the earlier launcher, which the splitter still clears.
const TCHAR kEarlierKey[] = _T("Software\\Vantorel\\Vantorel Filequay");
const TCHAR kValue[] = _T("active");
const TCHAR kRunning[] = _T("x");
}  // namespace handshake
