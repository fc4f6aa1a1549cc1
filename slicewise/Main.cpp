#include "slicewise/SlicewiseApp.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CSlicewiseApp app;
    return app.Run();
}
