#include "slicewise/SlicewiseApp.h"
#include "framework/ProgramName.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"
#include <commctrl.h>

int CSlicewiseApp::Run() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;   // every class of the original common controls
    InitCommonControlsEx(&controls);
    SetProgramName(kSlicewiseName);
    CSlicewiseDlg window;
    window.DoModal();
    return 0;
}
