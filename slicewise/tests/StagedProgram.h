#pragma once
// The program's shipped settings and language files in a fresh folder that
// stands in for the program folder, with the language fixed to English so
// that the texts do not depend on the machine.
#include "common/PowerClass.h"
#include "tests/support/TempFolder.h"
#include <string>

class StagedProgram {
public:
    StagedProgram() {
        std::string config = files::Read(tstring(SLICEWISE_SOURCES) + _T("\\config.ini"));
        const std::string system = "[----]";
        const size_t at = config.find(system);
        if (at != std::string::npos)
            config.replace(at, system.size(), "[1033]");
        files::Write(folder / _T("config.ini"), config);
        files::Write(folder / _T("Slicewisetrl.ini"),
                     files::Read(tstring(SLICEWISE_SOURCES) + _T("\\Slicewisetrl.ini")));
        PowerClass::OverrideProgramFolder(folder.Path());
    }
    ~StagedProgram() { PowerClass::OverrideProgramFolder(tstring()); }
    StagedProgram(const StagedProgram&) = delete;
    StagedProgram& operator=(const StagedProgram&) = delete;

    TempFolder folder;
};
