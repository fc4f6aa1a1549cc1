#include "framework/Dpi.h"
#include "framework/SystemFunction.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

template <class Function>
Function User32Function(const char* name) {
    return SystemFunction<Function>(TEXT("user32.dll"), name);
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    return ScreenDpi();
}

namespace {
// The pixels of 4 x 8 dialog units in a dialog of that font: the average
// width of the letters and the height of the font.
SIZE DialogUnits(LOGFONT font, int points, int dpi) {
    static const TCHAR kLetters[] = TEXT("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    font.lfHeight = -MulDiv(points, dpi, 72);
    const HDC screen = GetDC(nullptr);
    const HFONT created = CreateFontIndirect(&font);
    const HGDIOBJ previous = SelectObject(screen, created);
    TEXTMETRIC metrics = {};
    SIZE letters = {};
    GetTextMetrics(screen, &metrics);
    GetTextExtentPoint32(screen, kLetters, 52, &letters);
    SelectObject(screen, previous);
    DeleteObject(created);
    ReleaseDC(nullptr, screen);
    return SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}
}  // namespace

Scale LayoutScale(LOGFONT font, int points, int dpi) {
    const SIZE now = DialogUnits(font, points, dpi), base = DialogUnits(font, points, kBaseDpi);
    if (base.cx <= 0 || base.cy <= 0 || now.cx <= 0 || now.cy <= 0)
        return DpiScale(dpi);
    const bool byWidth = now.cx * base.cy <= now.cy * base.cx;
    return byWidth ? Scale{now.cx, base.cx} : Scale{now.cy, base.cy};
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto getMetric =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (getMetric)
        return getMetric(index, static_cast<UINT>(dpi));
    // Before Windows 10 the metrics are those of the system's DPI.
    return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}
