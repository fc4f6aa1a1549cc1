#include "FakeHost.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/core/Divide.h"
#include "tests/support/TempFolder.h"
#include <algorithm>
#include <gtest/gtest.h>

// The parts of Divide against those GNU split made of the same source at
// build time (split -b SIZE -d -a 5 --numeric-suffixes=1): the same names and
// bytes, and after an exact multiple one more, empty part; besides them the
// checksum file.
struct SplitCase {
    const TCHAR* name;
    int sizeChoice;
    int userSize;
    bool exactMultiple;
};

class SplitReference : public ::testing::TestWithParam<SplitCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, SplitReference,
                         ::testing::Values(SplitCase{_T("below1000"), 7, 99, false},
                                           SplitCase{_T("multiple1000"), 7, 1000, true},
                                           SplitCase{_T("odd"), 7, 777, false},
                                           SplitCase{_T("kb100"), 3, 0, false},
                                           SplitCase{_T("kb100exact"), 3, 0, true}),
                         [](const ::testing::TestParamInfo<SplitCase>& info) {
                             std::string name;
                             for (const TCHAR* c = info.param.name; *c; ++c)
                                 name += static_cast<char>(*c);
                             return name;
                         });

TEST_P(SplitReference, PartsEqualThoseOfGnuSplit) {
    const tstring reference = tstring(SPLIT_REFERENCE) + _T("\\") + GetParam().name;
    const std::string source = files::Read(reference + _T("\\src.bin"));
    ASSERT_FALSE(source.empty()) << "no reference; it is made when the tests are built";

    TempFolder temp;
    CreateDirectory((temp / _T("in")).c_str(), nullptr);
    CreateDirectory((temp / _T("out")).c_str(), nullptr);
    files::Write(temp / _T("in\\src.bin"), source);
    DivideValues values;
    values.SourcePath = temp / _T("in\\src.bin");
    values.OutputFolder = temp / _T("out\\...");
    values.SizeChoice = GetParam().sizeChoice;
    values.UserSize = GetParam().userSize;
    values.SizeUnit = 0;
    RecordingUi ui;
    FakeHost host;
    ASSERT_EQ(SliceOutcome::kDone, Divide(values, host));

    tstrings expected = files::List(reference);
    expected.erase(std::find(expected.begin(), expected.end(), tstring(_T("src.bin"))));
    std::sort(expected.begin(), expected.end());
    tstrings made = files::List(temp / _T("out"));
    const auto checksums = std::find(made.begin(), made.end(), tstring(_T("src.bin.sha256")));
    ASSERT_NE(made.end(), checksums);
    made.erase(checksums);
    made.erase(std::remove(made.begin(), made.end(), tstring(_T("src.bin.join.cmd"))), made.end());
    std::sort(made.begin(), made.end());
    if (GetParam().exactMultiple) {
        ASSERT_EQ(expected.size() + 1, made.size());
        EXPECT_TRUE(files::Read(temp / (_T("out\\") + made.back())).empty());
        made.pop_back();
    }
    ASSERT_EQ(expected, made);
    for (const tstring& name : made)
        EXPECT_EQ(files::Read(reference + _T("\\") + name), files::Read(temp / (_T("out\\") + name)))
            << "part " << name.c_str();
}
