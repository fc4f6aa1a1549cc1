#pragma once
// Owned GDI objects (brushes, fonts, bitmaps): deleted with their owner.
#include "framework/Handles.h"

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// A brush of one colour that remembers its colour (for WM_CTLCOLOR*).
class SolidBrush {
public:
    explicit SolidBrush(COLORREF colour) : colour_(colour), brush_(CreateSolidBrush(colour)) {}
    HBRUSH Get() const { return brush_.Get(); }
    COLORREF Colour() const { return colour_; }

private:
    COLORREF colour_;
    Brush brush_;
};

// Text colour on a transparent background, the usual answer to WM_CTLCOLORSTATIC.
inline void SetTransparentText(HDC dc, COLORREF text) {
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
}
