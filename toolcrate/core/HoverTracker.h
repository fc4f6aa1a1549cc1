#pragma once
// Which module the description field explains: fixed pixel areas of the
// launcher's client area, one per module, independent of the dialog font.
//
// The areas were drawn for the window at 96 DPI, where 4 x 8 dialog units
// are 6 x 13 pixels. At 96 DPI they are those pixels; at any other DPI they
// follow the dialog's layout as the dialog manager placed it (SetLayout), so
// that each area keeps around its module's button.
#include <utility>

class HoverTracker {
public:
    static constexpr int kOutside = 0;      // the mouse last left the button region
    static constexpr int kAfterStart = 99;  // right after the window's initialisation
    static constexpr int kDrawnUnitWidth = 6, kDrawnUnitHeight = 13;   // pixels per 4 x 8 units

    // A description as the numbers of its two lines; {0, 0} for "no change".
    using Lines = std::pair<int, int>;

    void Reset() { area_ = kAfterStart; }
    int Area() const { return area_; }

    // The window's DPI and the pixels its dialog units take (MapDialogRect
    // of 4 x 8 units).
    void SetLayout(int dpi, int unitWidth, int unitHeight);

    // The description a mouse move to (x, y) brings, if any; the areas are
    // numbered 1 to 11 in module table order.
    Lines MoveTo(int x, int y);

    // The area that contains the point, 0 for none.
    int AreaAt(int x, int y) const;

private:
    bool OutsideButtonRegion(int x, int y) const;

    int area_ = kAfterStart;
    int unitWidth_ = kDrawnUnitWidth;   // the window's pixels per 4 x 8 units, as drawn
    int unitHeight_ = kDrawnUnitHeight;
};
