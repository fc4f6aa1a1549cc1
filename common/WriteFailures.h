#pragma once
// A seam for tests: Windows refuses writes that Wine grants (a standard
// user's change below HKEY_CLASSES_ROOT is denied; a disk fills up), so a
// test makes PowerClass's registry and shortcut writers fail as Windows
// would, with the real error code. The programs never arm it.
//
//   WriteFailures::FailCall(2, ERROR_ACCESS_DENIED);   // the second write from now
//   ... the code under test ...
//   WriteFailures::Reset();
#include "framework/TString.h"

class WriteFailures {
public:
    // The call-th writing operation from now (1: the next one) fails with
    // error and writes nothing; the ones after it work again.
    static void FailCall(int call, DWORD error);
    static void Reset();
    // For the writers, once per call: the error this call is to fail with,
    // ERROR_SUCCESS when it is to go ahead.
    static DWORD Next();
};
