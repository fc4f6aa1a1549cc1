#include "framework/SafeFormat.h"
#include <gtest/gtest.h>

TEST(SafeFormat, PlaceholdersTakeTheArgumentsInOrder) {
    EXPECT_EQ(_T("Part 3 of data.bin: 45 %"),
              FormatText(_T("Part %d of %s: %d %%"), {3, _T("data.bin"), 45}));
    EXPECT_EQ(_T("-2147483648 and 18446744073709551615"),
              FormatText(_T("%d and %d"), {INT_MIN, 18446744073709551615ULL}));
}

TEST(SafeFormat, LetterOfThePlaceholderDoesNotDecideTheKind) {
    EXPECT_EQ(_T("count: many"), FormatText(_T("count: %d"), {_T("many")}));
    EXPECT_EQ(_T("name: 17"), FormatText(_T("name: %s"), {17}));
}

TEST(SafeFormat, HostileTextsStayAsTheyStand) {
    EXPECT_EQ(_T("X%s%n%p"), FormatText(_T("%s%s%n%p"), {_T("X")}));
    EXPECT_EQ(_T("100%"), FormatText(_T("100%"), {5}));
    EXPECT_EQ(_T("%d"), FormatText(_T("%%d"), {5}));
    EXPECT_EQ(_T("%5d %x %ls %"), FormatText(_T("%5d %x %ls %"), {1, 2, 3}));
    EXPECT_EQ(_T("%d %s"), FormatText(_T("%d %s"), {}));
}

TEST(SafeFormat, ExtraArgumentsAreDroppedAndNullTextIsEmpty) {
    EXPECT_EQ(_T("a1b"), FormatText(_T("a%db"), {1, 2, _T("three")}));
    EXPECT_EQ(_T("[]"), FormatText(_T("[%s]"), {static_cast<const TCHAR*>(nullptr)}));
    EXPECT_EQ(_T("%%"), FormatText(_T("%%%%"), {}));
}
