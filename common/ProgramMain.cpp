#include "common/ProgramMain.h"
#include "framework/ProgramName.h"
#include <commctrl.h>

void StartProgram(const tstring& name) {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;   // every class of the original common controls
    InitCommonControlsEx(&controls);
    if (!name.empty())
        SetProgramName(name);
}
