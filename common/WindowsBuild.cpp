#include "common/WindowsBuild.h"
#include "framework/SystemFunction.h"

namespace {

using RtlGetVersionCall = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);

// RtlGetVersion reports the system as it is; GetVersionEx reports an older
// one to a program whose manifest does not name the newer system. Found at
// run time: a system without it gives build 0, not a program that cannot start.
class SystemBuild : public WindowsBuildSeam {
public:
    DWORD Build() const override {
        const auto call = SystemFunction<RtlGetVersionCall>(_T("ntdll.dll"), "RtlGetVersion");
        RTL_OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof version;
        return call && call(&version) == 0 ? version.dwBuildNumber : 0;
    }
};

SystemBuild systemBuild;
WindowsBuildSeam* current = &systemBuild;

}  // namespace

WindowsBuildSeam& RunningWindows() { return *current; }

void SetRunningWindows(WindowsBuildSeam* seam) { current = seam ? seam : &systemBuild; }
