#include "framework/ColourScheme.h"
#include "framework/testkit/ForcedHighContrast.h"
#include <gtest/gtest.h>

namespace {
const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(240, 240, 240);
const COLORREF kNavy = RGB(0, 0, 128), kGreen = RGB(0, 128, 0);
}  // namespace

// The ratios worked out by hand from the guidelines' formula; a designed
// colour reads on the default grey but not on a dark face, and in high
// contrast gives way even where it would read.
TEST(ColourScheme, ADesignedColourGivesWayWhereItWouldNotRead) {
    EXPECT_NEAR(21.0, ContrastRatio(kWhite, kBlack), 0.01);
    EXPECT_NEAR(14.05, ContrastRatio(kNavy, kGrey), 0.01);
    EXPECT_NEAR(4.51, ContrastRatio(kGreen, kGrey), 0.01);
    EXPECT_EQ(kNavy, ReadableText(kNavy, kGrey, kBlack));
    EXPECT_EQ(kWhite, ReadableText(kNavy, kBlack, kWhite));
    const ForcedHighContrast on;
    EXPECT_EQ(kBlack, ReadableText(kNavy, kGrey, kBlack));
}
