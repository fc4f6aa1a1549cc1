#include "slicewise/SlicewiseApp.h"
#include <windows.h>

// The command line is not read, so the narrow entry point serves the wide
// program too.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return CSlicewiseApp().Run(); }
