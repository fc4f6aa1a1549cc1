#include <gtest/gtest.h>
#include "toolcrate/core/HoverTracker.h"
#include <windows.h>

using Lines = HoverTracker::Lines;
const Lines kNone{0, 0};
const Lines kOutsideTexts{30, 32};

TEST(HoverTracker, AreasAtTheirInclusiveBounds) {
    // Columns 121-280, 281-441, 442-599; rows 46-140, 141-235, 236-283, 286-349.
    EXPECT_EQ(1, HoverTracker::AreaAt(121, 46));
    EXPECT_EQ(1, HoverTracker::AreaAt(280, 140));
    EXPECT_EQ(2, HoverTracker::AreaAt(281, 46));
    EXPECT_EQ(2, HoverTracker::AreaAt(441, 140));
    EXPECT_EQ(3, HoverTracker::AreaAt(442, 46));
    EXPECT_EQ(3, HoverTracker::AreaAt(599, 140));
    EXPECT_EQ(4, HoverTracker::AreaAt(121, 141));
    EXPECT_EQ(6, HoverTracker::AreaAt(599, 235));
    EXPECT_EQ(7, HoverTracker::AreaAt(121, 236));
    EXPECT_EQ(9, HoverTracker::AreaAt(599, 283));
    EXPECT_EQ(10, HoverTracker::AreaAt(121, 286));
    EXPECT_EQ(10, HoverTracker::AreaAt(280, 349));
    EXPECT_EQ(11, HoverTracker::AreaAt(281, 286));
    EXPECT_EQ(11, HoverTracker::AreaAt(441, 349));
    // Between rows 3 and 4, below row 4, the empty cell, outside the box.
    EXPECT_EQ(0, HoverTracker::AreaAt(200, 284));
    EXPECT_EQ(0, HoverTracker::AreaAt(200, 285));
    EXPECT_EQ(0, HoverTracker::AreaAt(200, 350));
    EXPECT_EQ(0, HoverTracker::AreaAt(500, 300));
    EXPECT_EQ(0, HoverTracker::AreaAt(120, 100));
    EXPECT_EQ(0, HoverTracker::AreaAt(600, 100));
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

