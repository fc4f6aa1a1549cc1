#include "ToolcrateApp.h"
#include "ToolcrateDlg.h"

bool CToolcrateApp::InitInstance() {
    CToolcrateDlg dialog;
    dialog.DoModal();
    return false;
}
