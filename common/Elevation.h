#pragma once
// How the program runs: with administrator rights, as an administrator whose
// token UAC filtered (one consent away from them), or as a standard user.
// Read from the process token through one replaceable object, so that tests
// can force each case (under Wine every process runs elevated).
#include "framework/TString.h"

enum class Elevation { kElevated, kFilteredAdministrator, kStandardUser };

class ElevationSeam {
public:
    virtual ~ElevationSeam() = default;
    [[nodiscard]] virtual Elevation Read() const = 0;
};

// The seam in force; never null.
ElevationSeam& ProcessElevation();
// Installs a replacement (tests); nullptr restores the token's.
void SetProcessElevation(ElevationSeam* seam);
