#pragma once
// The user's colour scheme as the windows paint with it: whether high
// contrast is on, and which text colour reads on a face colour.
//
// High contrast is read through one replaceable object, so that tests can
// force it (Wine does not implement SPI_SETHIGHCONTRAST; SetSysColors it does).
#include <windows.h>

class HighContrastSeam {
public:
    virtual ~HighContrastSeam() = default;
    [[nodiscard]] virtual bool On() const = 0;
};

// The seam in force; never null.
HighContrastSeam& SystemHighContrast();
// Installs a replacement (tests); nullptr restores the system's.
void SetSystemHighContrast(HighContrastSeam* seam);

// The contrast ratio of two colours, 1 (the same) to 21 (black on white), as
// the web's accessibility guidelines measure it.
[[nodiscard]] double ContrastRatio(COLORREF one, COLORREF other);

// A designed text colour where it reads on the face it stands on (a ratio of
// at least 4.5 to 1) and high contrast is off; the scheme's text colour
// otherwise.
[[nodiscard]] COLORREF ReadableText(COLORREF designed, COLORREF face, COLORREF schemeText);
