#include "toolcrate/ToolcrateApp.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return CToolcrateApp().Run(); }
