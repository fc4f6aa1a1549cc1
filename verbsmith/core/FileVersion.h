#pragma once
// What a program file says of itself in its version resource.
#include "framework/TString.h"

struct FileVersion {
    tstring description;   // FileDescription
    tstring company;       // CompanyName
    tstring version;       // the fixed file version as a.b.c.d
};

// Each part is empty when the file does not state it; all are for a file
// without a version resource or that cannot be read.
[[nodiscard]] FileVersion VersionOf(const tstring& path);
