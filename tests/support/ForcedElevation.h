#pragma once
#include "common/Elevation.h"

// How the program runs, forced for the object's lifetime (Wine's token is
// always elevated).
struct ForcedElevation : ElevationSeam {
    explicit ForcedElevation(Elevation forced) : elevation(forced) { SetProcessElevation(this); }
    ~ForcedElevation() override { SetProcessElevation(nullptr); }
    Elevation Read() const override { return elevation; }
    Elevation elevation;
};
