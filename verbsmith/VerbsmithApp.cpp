#include "VerbsmithApp.h"
#include "VerbsmithDlg.h"
#include "framework/ProgramName.h"
#include <commctrl.h>

int CVerbsmithApp::Run() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;   // every class
    InitCommonControlsEx(&controls);
    SetProgramName(_T("Vantorel Verbsmith"));

    CVerbsmithDlg dialog;
    dialog.DoModal();
    return 0;
}

// The command line is not read, so the narrow entry point serves the wide
// program too.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CVerbsmithApp app;
    return app.Run();
}
