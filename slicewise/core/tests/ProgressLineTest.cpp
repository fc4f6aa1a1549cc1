#include "slicewise/core/ProgressLine.h"
#include <gtest/gtest.h>

// The speed is the run's average so far; the time left follows from it.
TEST(ProgressLine, TellsTheSpeedSoFarAndTheTimeLeft) {
    const tstring format = _T("%s MB/s, %s left");
    const ULONGLONG mb = 1048576;
    EXPECT_EQ(_T(""), ProgressLine(format, 0, 100 * mb, 1.0));
    EXPECT_EQ(_T("50.0 MB/s, 0:04 left"), ProgressLine(format, 100 * mb, 300 * mb, 2.0));
    EXPECT_EQ(_T("0.5 MB/s, 1:06:41 left"), ProgressLine(format, mb / 2, 2001 * mb, 1.0));
    EXPECT_EQ(_T("2.0 MB/s, 0:00 left"), ProgressLine(format, 4 * mb, 4 * mb, 2.0));
}
