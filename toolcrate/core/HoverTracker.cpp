#include "toolcrate/core/HoverTracker.h"
#include "toolcrate/core/LauncherTexts.h"
#include "toolcrate/core/SuiteModule.h"

namespace {
// Inclusive bounds in client pixels, as drawn.
struct Span {
    int first, last;
};
const Span kColumns[] = {{121, 280}, {281, 441}, {442, 599}};
const Span kRows[] = {{46, 140}, {141, 235}, {236, 283}, {286, 349}};
const Span kRegionColumns = {121, 599}, kRegionRows = {46, 358};   // the button region
const int kAreaCount = 11;   // the last row has two areas
const int kDrawnDpi = 96;

// A drawn pixel position in a window with now pixels where the drawing had drawn.
int Scaled(int pixel, int now, int drawn) { return (pixel * now + drawn / 2) / drawn; }

// A drawn pixel p covers [p, p + 1): scaling both ends keeps neighbouring
// areas touching and gaps open.
bool Contains(const Span& span, int v, int now, int drawn) {
    return v >= Scaled(span.first, now, drawn) && v < Scaled(span.last + 1, now, drawn);
}
}  // namespace

void HoverTracker::SetLayout(int dpi, int unitWidth, int unitHeight) {
    const bool asDrawn = dpi == kDrawnDpi || unitWidth <= 0 || unitHeight <= 0;
    unitWidth_ = asDrawn ? kDrawnUnitWidth : unitWidth;
    unitHeight_ = asDrawn ? kDrawnUnitHeight : unitHeight;
}

bool HoverTracker::OutsideButtonRegion(int x, int y) const {
    return !Contains(kRegionColumns, x, unitWidth_, kDrawnUnitWidth) ||
           !Contains(kRegionRows, y, unitHeight_, kDrawnUnitHeight);
}

int HoverTracker::AreaAt(int x, int y) const {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int area = row * 3 + column + 1;
            if (area <= kAreaCount && Contains(kRows[row], y, unitHeight_, kDrawnUnitHeight) &&
                Contains(kColumns[column], x, unitWidth_, kDrawnUnitWidth))
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
        return {launchertext::kOutsideFirstLine, launchertext::kOutsideSecondLine};
    }
    const int area = AreaAt(x, y);
    if (area == 0 || area == area_)
        return {0, 0};
    area_ = area;
    const SuiteModule& module = SuiteModules[area - 1];
    return {module.hoverFirst, module.hoverSecond};
}
