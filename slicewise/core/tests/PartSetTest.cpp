#include "slicewise/core/PartSet.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <vector>

TEST(PartSet, FindsPartOneAndTheJoinedFileFromAnyPartAndRefusesArchives) {
    TempFolder temp;
    files::Write(temp / _T("w.001"), "");
    const struct {
        const TCHAR* chosen;
        const TCHAR* first;
        const TCHAR* joined;
    } kParts[] = {
        {_T("a.bin.00003.vtrl"), _T("a.bin.00001.vtrl"), _T("a.bin")},
        {_T("a.bin.00001.VTRL"), _T("a.bin.00001.vtrl"), _T("a.bin")},
        {_T("a.bin.001"), _T("a.bin.001"), _T("a.bin")},
        {_T("a.bin.002"), _T("a.bin.001"), _T("a.bin")},
        {_T("A.BIN.0013"), _T("A.BIN.0001"), _T("A.BIN")},
        {_T("a.bin.000"), _T("a.bin.001"), _T("a.bin")},   // the information file
        {_T("w.1000"), _T("w.001"), _T("w")},              // its part 1 is there
        {_T("v.1000"), _T("v.0001"), _T("v")},
    };
    for (const auto& name : kParts) {
        PartSet set;
        EXPECT_EQ(PartKind::kPart, PartSet::Recognise(temp / name.chosen, set)) << name.chosen;
        EXPECT_EQ(temp / name.first, set.Part(1)) << name.chosen;
        EXPECT_EQ(temp / name.joined, set.Joined()) << name.chosen;
    }
    const PartKind archive = PartKind::kArchiveVolume, other = PartKind::kNotAPart;
    const std::pair<const TCHAR*, PartKind> kOthers[] = {
        {_T("a.part1.rar"), archive}, {_T("a.part01.rar"), archive}, {_T("a.PART7.RAR"), archive},
        {_T("a.r00"), archive},       {_T("a.z01"), archive},        {_T("a.bin.01"), other},
        {_T("a.bin.vtrl"), other},    {_T("a.bin.0001.vtrl"), other}, {_T(".001"), other},
        {_T("a.bin.00x"), other},     {_T("a.bin"), other},
    };
    for (const auto& name : kOthers) {
        PartSet set;
        EXPECT_EQ(name.second, PartSet::Recognise(temp / name.first, set)) << name.first;
    }
}

TEST(PartSet, CountsTheSetsPartsInTheFolderAndNamesTheFirstGap) {
    const struct {
        std::vector<const TCHAR*> files;   // the first is chosen
        ULONGLONG last, missing;
    } kFolders[] = {
        {{_T("a.001"), _T("a.002"), _T("a.003"), _T("a.000"), _T("a.sha256"), _T("b.004")}, 3, 0},
        {{_T("a.001"), _T("A.003")}, 3, 2},
        {{_T("a.003"), _T("a.002")}, 3, 1},
        {{_T("a.001"), _T("a.0002"), _T("a.003"), _T("a.01")}, 3, 2},   // other widths
        {{_T("a.00001.vtrl"), _T("a.00002.vtrl"), _T("a.00004.VTRL"), _T("a.003")}, 4, 3},
    };
    for (const auto& folder : kFolders) {
        TempFolder temp;
        for (const TCHAR* file : folder.files) files::Write(temp / file, "x");
        PartSet set;
        ASSERT_EQ(PartKind::kPart, PartSet::Recognise(temp / folder.files[0], set));
        const PartCount count = set.CountParts();
        EXPECT_EQ(folder.last, count.last) << folder.files[1];
        EXPECT_EQ(folder.missing, count.missing) << folder.files[1];
    }
}
