#include "framework/ProgramName.h"
#include "framework/ModulePath.h"

namespace {
tstring& StoredName() {
    static tstring name;
    return name;
}

tstring ExecutableBaseName() {
    tstring name = ModuleFilePath();
    const size_t slash = name.find_last_of(_T("\\/"));
    if (slash != tstring::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.rfind(_T('.'));
    if (dot != tstring::npos)
        name.erase(dot);
    return name;
}
}  // namespace

tstring ProgramName() {
    if (StoredName().empty())
        return ExecutableBaseName();
    return StoredName();
}

void SetProgramName(const tstring& name) { StoredName() = name; }
