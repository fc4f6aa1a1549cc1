#pragma once
// Dots per inch of a window and pixel sizes drawn for 96 DPI scaled to it.
// The DPI functions of user32 that came after Windows 7 are looked up when
// first needed; without them a window has the DPI of the screen.
#include <windows.h>

constexpr int kBaseDpi = 96;   // what "100 %" means; the sizes in the code are for it

// A length in pixels at 96 DPI as it is at dpi (rounded to the nearest pixel).
inline int ScaleToDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, kBaseDpi); }

// A factor as a fraction; 1/1 leaves sizes as they are.
struct Scale {
    int numerator = 1, denominator = 1;
    int operator()(int pixels) const { return MulDiv(pixels, numerator, denominator); }
};
inline Scale DpiScale(int dpi) { return {dpi, kBaseDpi}; }

// How a dialog's layout grows from 96 DPI to dpi: by the smaller of the two
// factors its dialog units grow by, measured as the dialog manager measures
// them (the dialog font does not grow in step with the DPI). font is the
// dialog's font, points its size.
Scale LayoutScale(LOGFONT font, int points, int dpi);

// The DPI the window is drawn for: its monitor's under per-monitor awareness,
// else the system's.
int WindowDpi(HWND window);

// GetSystemMetrics for a window of that DPI.
int SystemMetricForDpi(int index, int dpi);
