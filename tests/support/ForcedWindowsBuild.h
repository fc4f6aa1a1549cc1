#pragma once
#include "common/WindowsBuild.h"

// The system's build number, forced for the object's lifetime (Wine's
// prefix reports Windows 7).
class ForcedWindowsBuild : public WindowsBuildSeam {
public:
    explicit ForcedWindowsBuild(DWORD build) : build_(build) { SetRunningWindows(this); }
    ~ForcedWindowsBuild() override { SetRunningWindows(nullptr); }
    DWORD Build() const override { return build_; }

private:
    DWORD build_;
};
