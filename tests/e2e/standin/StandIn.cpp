// A stand-in for a suite module, built only for the tests: a window that, like
// every module, deletes the launcher's "active" value when it closes. With
// the environment variable VT_STANDIN_KEEP_VALUE set it leaves the value in
// place, as a module that crashed would.
#include <windows.h>

namespace {

const char kHandshakeKey[] = "Software\\Vantorel\\Vantorel Toolcrate";

void DeleteHandshakeValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHandshakeKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "active");
    RegCloseKey(key);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && !GetEnvironmentVariableA("VT_STANDIN_KEEP_VALUE", nullptr, 0))
        DeleteHandshakeValue();   // then closes the window as usual
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VantorelStandInModule";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowA(windowClass.lpszClassName, "Stand-in module",
                                      WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                                      instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
