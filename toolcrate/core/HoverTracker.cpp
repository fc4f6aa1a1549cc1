#include "toolcrate/core/HoverTracker.h"
#include "toolcrate/core/SuiteModule.h"

namespace {
// Inclusive bounds in client pixels.
struct Span {
    int first, last;
    bool Contains(int v) const { return v >= first && v <= last; }
};
const Span kColumns[] = {{121, 280}, {281, 441}, {442, 599}};
const Span kRows[] = {{46, 140}, {141, 235}, {236, 283}, {286, 349}};
const int kAreaCount = 11;   // the last row has two areas
const int kOutsideTexts[] = {30, 32};

bool OutsideButtonRegion(int x, int y) { return x <= 120 || x >= 600 || y <= 45 || y >= 359; }
}  // namespace

int HoverTracker::AreaAt(int x, int y) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int area = row * 3 + column + 1;
            if (area <= kAreaCount && kRows[row].Contains(y) && kColumns[column].Contains(x))
                return area;
        }
    }
    return 0;
}

HoverTracker::Lines HoverTracker::MoveTo(int x, int y) {
    if (OutsideButtonRegion(x, y)) {
        if (area_ == kOutside)
            return {0, 0};
        area_ = kOutside;
        return {kOutsideTexts[0], kOutsideTexts[1]};
    }
    const int area = AreaAt(x, y);
    if (area == 0 || area == area_)
        return {0, 0};
    area_ = area;
    const SuiteModule& module = SuiteModules[area - 1];
    return {module.hoverFirst, module.hoverSecond};
}
