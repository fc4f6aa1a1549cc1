#include <gtest/gtest.h>
#include "toolcrate/core/HoverTracker.h"
#include <windows.h>

using Lines = HoverTracker::Lines;
const Lines kNone{0, 0};
const Lines kOutsideTexts{30, 32};
const HoverTracker kDrawn;   // at 96 DPI

TEST(HoverTracker, AreasAtTheirInclusiveBounds) {
    // Columns 121-280, 281-441, 442-599; rows 46-140, 141-235, 236-283, 286-349.
    EXPECT_EQ(1, kDrawn.AreaAt(121, 46));
    EXPECT_EQ(1, kDrawn.AreaAt(280, 140));
    EXPECT_EQ(2, kDrawn.AreaAt(281, 46));
    EXPECT_EQ(2, kDrawn.AreaAt(441, 140));
    EXPECT_EQ(3, kDrawn.AreaAt(442, 46));
    EXPECT_EQ(3, kDrawn.AreaAt(599, 140));
    EXPECT_EQ(4, kDrawn.AreaAt(121, 141));
    EXPECT_EQ(6, kDrawn.AreaAt(599, 235));
    EXPECT_EQ(7, kDrawn.AreaAt(121, 236));
    EXPECT_EQ(9, kDrawn.AreaAt(599, 283));
    EXPECT_EQ(10, kDrawn.AreaAt(121, 286));
    EXPECT_EQ(10, kDrawn.AreaAt(280, 349));
    EXPECT_EQ(11, kDrawn.AreaAt(281, 286));
    EXPECT_EQ(11, kDrawn.AreaAt(441, 349));
    // Between rows 3 and 4, below row 4, the empty cell, outside the box.
    EXPECT_EQ(0, kDrawn.AreaAt(200, 284));
    EXPECT_EQ(0, kDrawn.AreaAt(200, 285));
    EXPECT_EQ(0, kDrawn.AreaAt(200, 350));
    EXPECT_EQ(0, kDrawn.AreaAt(500, 300));
    EXPECT_EQ(0, kDrawn.AreaAt(120, 100));
    EXPECT_EQ(0, kDrawn.AreaAt(600, 100));
}

TEST(HoverTracker, LeavingTheRegionAtEachEdge) {
    for (POINT p : {POINT{120, 100}, POINT{600, 100}, POINT{200, 45}, POINT{200, 359}}) {
        HoverTracker tracker;
        EXPECT_EQ(kOutsideTexts, tracker.MoveTo(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(HoverTracker::kOutside, tracker.Area());
        EXPECT_EQ(kNone, tracker.MoveTo(p.x, p.y));   // once only
    }
    // One pixel inside each edge is not outside.
    for (POINT p : {POINT{121, 100}, POINT{599, 100}, POINT{200, 46}, POINT{200, 358}}) {
        HoverTracker tracker;
        EXPECT_NE(kOutsideTexts, tracker.MoveTo(p.x, p.y)) << p.x << "," << p.y;
    }
}

TEST(HoverTracker, EachAreaShowsItsModulesTexts) {
    const struct {
        int x, y;
        Lines lines;
    } cases[] = {
        {200, 100, {40, 42}},   {300, 100, {50, 52}},   {500, 100, {60, 62}},
        {200, 200, {140, 142}}, {300, 200, {70, 72}},   {500, 200, {150, 152}},
        {200, 250, {160, 162}}, {300, 250, {120, 122}}, {500, 250, {130, 132}},
        {200, 300, {170, 172}}, {300, 300, {180, 182}},
    };
    HoverTracker tracker;
    int area = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(c.lines, tracker.MoveTo(c.x, c.y)) << c.x << "," << c.y;
        EXPECT_EQ(++area, tracker.Area());
    }
}


TEST(HoverTracker, AwayFrom96DpiTheAreasFollowTheDialogUnits) {
    HoverTracker tracker;
    tracker.SetLayout(96, 6, 12);   // other font metrics at 96 DPI keep the drawn pixels
    EXPECT_EQ(10, tracker.AreaAt(121, 286));
    EXPECT_EQ(0, tracker.AreaAt(121, 285));

    tracker.SetLayout(144, 9, 17);   // 4 x 8 units are 9 x 17 pixels
    const struct {
        int x, y, area;
    } cases[] = {
        {181, 100, 0}, {182, 100, 1}, {421, 100, 1}, {422, 100, 2},   // 121 and 281 drawn
        {899, 100, 3}, {900, 100, 0},                                 // 600
        {300, 59, 0},  {300, 60, 1},                                  // 46
        {300, 370, 7}, {300, 371, 0}, {300, 373, 0}, {300, 374, 10},  // the gap 284-285
        {300, 457, 10}, {800, 400, 0},                                // row 4 ends, the empty cell
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.area, tracker.AreaAt(c.x, c.y)) << c.x << "," << c.y;
    EXPECT_EQ(kOutsideTexts, tracker.MoveTo(181, 100));
    EXPECT_NE(kOutsideTexts, tracker.MoveTo(182, 100));
    EXPECT_EQ(kOutsideTexts, tracker.MoveTo(300, 469));   // 359 drawn
}
