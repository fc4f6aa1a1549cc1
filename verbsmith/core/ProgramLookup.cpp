#include "verbsmith/core/ProgramLookup.h"
#include "framework/SystemFunction.h"

namespace {

class SystemLookup : public ProgramLookup {
public:
    // IsWow64Process is missing from the first releases of Windows XP: it is
    // looked up when first needed.
    bool RunsUnderWow64() override {
        static const bool wow64 = AskWow64();
        return wow64;
    }
    DWORD Attributes(const tstring& path) override { return GetFileAttributes(path.c_str()); }

private:
    static bool AskWow64() {
        using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
        const auto isWow64 = SystemFunction<IsWow64Function>(_T("kernel32.dll"), "IsWow64Process");
        if (!isWow64)
            return false;
        BOOL wow64 = FALSE;
        return isWow64(GetCurrentProcess(), &wow64) && wow64;
    }
};

SystemLookup systemLookup;
ProgramLookup* current = &systemLookup;

}  // namespace

ProgramLookup& Lookup() { return *current; }

void SetLookup(ProgramLookup* lookup) { current = lookup ? lookup : &systemLookup; }
