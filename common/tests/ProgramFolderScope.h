#pragma once
#include "common/PowerClass.h"

// Points GetProgramFolder at a test folder while it lives.
class ProgramFolderScope {
public:
    explicit ProgramFolderScope(const tstring& folder) { PowerClass::OverrideProgramFolder(folder); }
    ~ProgramFolderScope() { PowerClass::OverrideProgramFolder(tstring()); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;
};
