#include "verbsmith/core/ProgramLookup.h"

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
        const FARPROC address =
            GetProcAddress(GetModuleHandle(_T("kernel32.dll")), "IsWow64Process");
        if (!address)
            return false;
        // Through a pointer to a function without parameters, which GCC
        // accepts as a generic function pointer.
        const auto isWow64 =
            reinterpret_cast<IsWow64Function>(reinterpret_cast<void (*)()>(address));
        BOOL wow64 = FALSE;
        return isWow64(GetCurrentProcess(), &wow64) && wow64;
    }
};

SystemLookup systemLookup;
ProgramLookup* current = &systemLookup;

}  // namespace

ProgramLookup& Lookup() { return *current; }

void SetLookup(ProgramLookup* lookup) { current = lookup ? lookup : &systemLookup; }
