#include "toolcrate/ToolcrateApp.h"
#include "common/ProgramMain.h"
#include "toolcrate/ToolcrateDlg.h"

// The launcher's messages carry the executable's name.
int CToolcrateApp::Run() { return RunProgram<CToolcrateDlg>(tstring()); }
