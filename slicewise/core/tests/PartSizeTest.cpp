#include "FakeHost.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include <gtest/gtest.h>

TEST(PartSize, FixedChoicesFollowTheSizeTable) {
    EXPECT_EQ(1509949u, PartSizeFor(0, 150, 1, 0));
    EXPECT_EQ(681574400u, PartSizeFor(1, 150, 1, 0));   // 650 MiB for the CD button
    EXPECT_EQ(4707319808ULL, PartSizeFor(2, 150, 1, 0));
    EXPECT_EQ(102400u, PartSizeFor(3, 150, 1, 0));
    EXPECT_EQ(512000u, PartSizeFor(4, 150, 1, 0));
    EXPECT_EQ(1048576u, PartSizeFor(5, 150, 1, 0));
    EXPECT_EQ(2097152u, PartSizeFor(6, 150, 1, 0));
    // No size button: 100 bytes, whatever the user size says.
    EXPECT_EQ(100u, PartSizeFor(8, 150, 1, 0));
    EXPECT_EQ(100u, PartSizeFor(-1, 150, 1, 0));
}

TEST(PartSize, UserSizeTimesTheUnitOfTheComboSelection) {
    EXPECT_EQ(150u, PartSizeFor(7, 150, 0, 0));
    EXPECT_EQ(153600u, PartSizeFor(7, 150, 1, 0));
    EXPECT_EQ(157286400u, PartSizeFor(7, 150, 2, 0));
    EXPECT_EQ(3221225472ULL, PartSizeFor(7, 3, 3, 0));   // beyond 32 bits
    EXPECT_EQ(2147483647ULL * 1073741824ULL, PartSizeFor(7, 2147483647, 3, 0));
    // A unit typed into the combo's edit field leaves no list selection.
    EXPECT_EQ(100u, PartSizeFor(7, 150, kNoUnitSelected, 0));
    EXPECT_EQ(0u, PartSizeFor(7, 0, 2, 0));
}

TEST(PartSize, NegativeUserSizeBecomesHugeUnsigned) {
    EXPECT_EQ(0xFFFFFFFFFFFFFFFFULL, PartSizeFor(7, -1, 0, 0));
    EXPECT_EQ(0ULL - 2048ULL, PartSizeFor(7, -2, 1, 0));
}

// File size, number of parts, part size: 0 refuses the number; 1 is a size
// that a file too small to cut is not larger than, so Divide refuses it.
TEST(PartSize, PartsUnitDividesTheFileSizeRoundedUp) {
    const ULONGLONG rows[][3] = {{5, 4, 2} /* 2, 2, 1 */, {10, 5, 2} /* and an empty part */,
                                 {10, 3, 4}, {1001, 1000, 2}, {10000000000ULL, 3, 3333333334ULL},
                                 {5, 0, 0}, {5, 1, 0}, {5, 6, 0}, {1, 2, 1}, {0, 5, 1}};
    for (const auto& row : rows)
        EXPECT_EQ(row[2], PartSizeFor(7, static_cast<int>(row[1]), kPartCountUnit, row[0]))
            << row[0] << " bytes in " << row[1];
    EXPECT_EQ(0u, PartSizeFor(7, -3, kPartCountUnit, 5));
    EXPECT_EQ(512000u, PartSizeFor(4, 5, kPartCountUnit, 1000));   // only "User defined" counts
}

TEST(PartSize, DivideRefusesANumberOfPartsBeforeTouchingAFile) {
    TempFolder temp;
    RecordingUi ui;
    FakeHost host;
    CreateDirectory((temp / _T("out")).c_str(), nullptr);
    files::Write(temp / _T("src.bin"), TestBytes(5));
    DivideValues values{temp / _T("src.bin"), temp / _T("out\\..."), 7, 1, kPartCountUnit};
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    values.UserSize = 6;
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    ui.ExpectBoxes(nullptr, _T("T5"), {{_T("parts 2 to 5")}, {_T("parts 2 to 5")}});
    EXPECT_TRUE(files::List(temp / _T("out")).empty());
}

TEST(PartNames, FolderBaseAndNameTail) {
    EXPECT_EQ(_T("E:\\out"), FolderBase(_T("E:\\out\\...")));
    // A folder typed without "\..." is that folder; the tail brings the backslash.
    EXPECT_EQ(_T("E:\\out"), FolderBase(_T("E:\\out")));
    EXPECT_EQ(_T("E:\\out"), FolderBase(_T("E:\\out\\")));
    EXPECT_EQ(_T("E:\\"), FolderBase(_T("E:\\\\...")));
    EXPECT_EQ(_T(""), FolderBase(_T("\\...")));
    EXPECT_EQ(_T("\\big.iso"), NameTail(_T("D:\\data\\big.iso")));
    EXPECT_EQ(_T("big.iso"), NameTail(_T("big.iso")));
    EXPECT_EQ(_T("E:\\out\\big.iso.00001.vtrl"),
              PartName(FolderBase(_T("E:\\out\\...")) + NameTail(_T("D:\\data\\big.iso")), 1));
}

TEST(PartNames, NumbersArePaddedToFiveDigitsAndNeverCut) {
    EXPECT_EQ(_T("a.00002.vtrl"), PartName(_T("a"), 2));
    EXPECT_EQ(_T("a.99999.vtrl"), PartName(_T("a"), 99999));
    EXPECT_EQ(_T("a.100000.vtrl"), PartName(_T("a"), 100000));
    EXPECT_EQ(_T("a.4294967296.vtrl"), PartName(_T("a"), 4294967296ULL));
}

TEST(PartNames, StemOfAnyPartName) {
    tstring stem;
    EXPECT_TRUE(StemOfPart(_T("C:\\p\\a.bin.00001.vtrl"), stem));
    EXPECT_EQ(_T("C:\\p\\a.bin"), stem);
    EXPECT_TRUE(StemOfPart(_T("C:\\p\\a.bin.00003.vtrl"), stem));
    EXPECT_EQ(_T("C:\\p\\a.bin"), stem);
    EXPECT_TRUE(StemOfPart(_T("C:\\p\\a.bin.123456.VTRL"), stem));
    EXPECT_EQ(_T("C:\\p\\a.bin"), stem);

    stem = _T("unchanged");
    EXPECT_FALSE(StemOfPart(_T("C:\\p\\a.bin.0001.vtrl"), stem));   // four digits
    EXPECT_FALSE(StemOfPart(_T("C:\\p\\a.bin.vtrl"), stem));
    EXPECT_FALSE(StemOfPart(_T("C:\\p\\a.bin.0000x.vtrl"), stem));
    EXPECT_FALSE(StemOfPart(_T("C:\\p\\a.bin-00001.vtrl"), stem));
    EXPECT_FALSE(StemOfPart(_T("00001.vtrl"), stem));
    EXPECT_FALSE(StemOfPart(_T("C:\\p\\a.bin.00001.vtr"), stem));
    EXPECT_FALSE(StemOfPart(_T("vtrl"), stem));
    EXPECT_EQ(_T("unchanged"), stem);
}
