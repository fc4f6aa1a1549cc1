#pragma once
// What the command-line reader asks of the system: whether this 32-bit
// process runs on 64-bit Windows, and what lies at a path. The default is
// the real system; tests install a double that answers as they choose.
#include "framework/TString.h"

class ProgramLookup {
public:
    virtual ~ProgramLookup() = default;
    // True in a 32-bit process on 64-bit Windows (WOW64).
    virtual bool RunsUnderWow64() = 0;
    // GetFileAttributes of the path: INVALID_FILE_ATTRIBUTES when nothing is
    // there.
    virtual DWORD Attributes(const tstring& path) = 0;
};

// The lookup in force; never null.
ProgramLookup& Lookup();
// Installs a replacement (tests); nullptr restores the real system.
void SetLookup(ProgramLookup* lookup);
