#pragma once
// Which module the description field explains: fixed pixel areas of the
// launcher's client area, one per module, independent of the dialog font.
#include <utility>

class HoverTracker {
public:
    static constexpr int kOutside = 0;      // the mouse last left the button region
    static constexpr int kAfterStart = 99;  // right after the window's initialisation

    // A description as the numbers of its two lines; {0, 0} for "no change".
    using Lines = std::pair<int, int>;

    void Reset() { area_ = kAfterStart; }
    int Area() const { return area_; }

    // The description a mouse move to (x, y) brings, if any; the areas are
    // numbered 1 to 11 in module table order.
    Lines MoveTo(int x, int y);

    // The area that contains the point, 0 for none.
    static int AreaAt(int x, int y);

private:
    int area_ = kAfterStart;
};
