#pragma once
// Bitmaps drawn for 96 DPI, at the size they take at another DPI.
//
// Each picture may come drawn a second time for 200 %: a PNG as RCDATA
// resource kLargeArtOffset + the bitmap's id. At 96 DPI the bitmap resource
// is used as it is; at any other DPI a smooth copy (area-averaged, so it
// stays crisp when shrinking) is made from the large picture, or from the
// bitmap itself when there is no large one.
#include "framework/Gdi.h"
#include <vector>

constexpr UINT kLargeArtOffset = 1000;

// A 24-bit bitmap of the picture's 96-DPI size scaled to dpi; nullptr when
// the bitmap resource is missing.
HBITMAP LoadBitmapForDpi(HINSTANCE instance, UINT bitmap, int dpi);

// The dialog's bitmap statics (SS_BITMAP), in template order.
std::vector<HWND> PictureControls(HWND dialog);
