#pragma once
// Bitmaps drawn for 96 DPI, at the size they take at another DPI.
//
// Each picture may come drawn a second time at twice its size: a PNG as
// RCDATA resource kLargeArtOffset + the bitmap's id; it may be larger than
// twice the bitmap (a band that must fill a window whose dialog font grows
// faster than the DPI). At 100 % the bitmap resource is used as it is; at any
// other size a smooth copy (area-averaged, so it stays crisp when shrinking)
// is made from the large picture, or from the bitmap itself when there is no
// large one.
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include <vector>

constexpr UINT kLargeArtOffset = 1000;

// The art is drawn on the face colour of the default scheme where it meets
// the window; under another scheme those pixels take the colour it stands
// on now (the window's face, the menu's colour).
struct Backdrop {
    COLORREF drawnOn = CLR_INVALID;
    COLORREF face = CLR_INVALID;
};

// A 24-bit bitmap of the picture scaled by the factor (scale 1/1 on the face
// it was drawn on: the bitmap resource as it is); nullptr when the bitmap
// resource is missing.
HBITMAP LoadScaledBitmap(HINSTANCE instance, UINT bitmap, Scale scale, Backdrop backdrop = {});

// The dialog's bitmap statics (SS_BITMAP), in template order.
std::vector<HWND> PictureControls(HWND dialog);
