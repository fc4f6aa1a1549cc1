#include "ToolcrateApp.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CToolcrateApp app;
    app.InitInstance();
    return 0;
}
