#pragma once
// The build number of the running Windows (22000 and later: Windows 11).
// Read through one replaceable object, so that tests can choose the system.
#include "framework/TString.h"

class WindowsBuildSeam {
public:
    virtual ~WindowsBuildSeam() = default;
    // 0 when the system does not say.
    [[nodiscard]] virtual DWORD Build() const = 0;
};

// The seam in force; never null.
WindowsBuildSeam& RunningWindows();
// Installs a replacement (tests); nullptr restores the system's.
void SetRunningWindows(WindowsBuildSeam* seam);
