#include "VerbsmithApp.h"
#include "VerbsmithDlg.h"
#include "common/ProgramMain.h"

int CVerbsmithApp::Run() { return RunProgram<CVerbsmithDlg>(_T("Vantorel Verbsmith")); }
