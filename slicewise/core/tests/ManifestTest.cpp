#include "FakeHost.h"
#include "slicewise/core/Manifest.h"
#include <gtest/gtest.h>
#include <algorithm>
#include "tests/support/Mutator.h"

TEST(ManifestReader, LineOfTheLongestNameIsReadAndALongerOneSkipped) {
    for (size_t extra : {0, 1}) {
        const std::string line = std::string(64, 'a') + "  ", name(kLongestManifestLine - 66 + extra, 'n');
        const std::string text = line + name + "\n" + line + "short\n";
        ManifestReader reader([](const tstring&) { return true; });
        reader.Take(text.data(), text.size());
        const ManifestDigests digests = reader.Finish().sha256;
        EXPECT_EQ(extra == 0 ? 2u : 1u, digests.size()) << extra;
        EXPECT_EQ(1u, digests.count(_T("short"))) << extra;   // read after a skipped line
    }
}

// Mutated checksum files handed over in pieces of random sizes: no crash, no
// hang, never more lines than the text has, nor a name longer than a line.
TEST(ManifestReader, SurvivesMutatedChecksumFiles) {
    const std::string valid[] = {ChecksumsOf(TestBytes(250), 100, "a.bin"),
                                 "\xEF\xBB\xBF" + ChecksumsOf(TestBytes(40), 7, "n\xC3\xA4me")};
    Mutator mutated(21, {" *", "  ", "\xEF\xBB\xBF", "\\", std::string(32, 'a')}, kLongestManifestLine);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = mutated(valid[round % 2]);
        ManifestReader reader([](const tstring&) { return true; });
        for (size_t at = 0, piece = 0; at < text.size(); at += piece)
            reader.Take(text.data() + at, piece = std::min<size_t>(text.size() - at, mutated.Next() % 4096 + 1));
        const SumFile sums = reader.Finish();
        ASSERT_LE(sums.sha256.size() + sums.md5.size(),
                  static_cast<size_t>(std::count(text.begin(), text.end(), '\n') + 1));
        for (const auto& line : sums.sha256)
            ASSERT_LE(line.first.size(), kLongestManifestLine) << round;
    }
}

// Each line alone, its name kept unless it is "skip".
TEST(ManifestReader, ReadsSha256AndMd5LinesAndFindsPathNames) {
    const std::string md5(32, 'a'), sha256(64, 'b');
    const struct {
        std::string line;
        size_t sha256s, md5s;
        const TCHAR* pathName;
    } kLines[] = {
        {sha256 + "  a.bin\n", 1, 0, _T("")},
        {md5 + " *a.bin\r\n", 0, 1, _T("")},
        {md5 + "  skip", 0, 0, _T("")},
        {md5 + "a  a.bin", 0, 0, _T("")},       // 33 digits
        {md5.substr(1) + "g  a.bin", 0, 0, _T("")},
        {md5 + "  sub/a.bin", 0, 0, _T("sub/a.bin")},
        {sha256 + " *..\\a.bin", 0, 0, _T("..\\a.bin")},
        {md5 + "  C:a.bin", 0, 0, _T("C:a.bin")},
        {"\\" + md5 + "  a\\\\b", 0, 0, _T("a\\\\b")},   // escaped by md5sum
    };
    for (const auto& test : kLines) {
        ManifestReader reader([](const tstring& name) { return name != _T("skip"); });
        reader.Take(test.line.data(), test.line.size());
        const SumFile sums = reader.Finish();
        EXPECT_EQ(test.sha256s, sums.sha256.size()) << test.line;
        EXPECT_EQ(test.md5s, sums.md5.size()) << test.line;
        EXPECT_EQ(test.pathName, sums.pathName) << test.line;
    }
}

TEST(IsBareFileName, RefusesWhatWouldNameAnotherPlace) {
    const struct {
        const TCHAR* name;
        bool bare;
    } kNames[] = {
        {_T("a.bin"), true}, {_T("report..pdf"), true}, {_T("COM10"), true}, {_T("console.txt"), true},
        {_T(""), false}, {_T("."), false}, {_T(".."), false}, {_T("a."), false}, {_T("a "), false},
        {_T("a\\b"), false}, {_T("a/b"), false}, {_T("C:a"), false}, {_T("a:stream"), false},
        {_T("a*"), false}, {_T("a\tb"), false}, {_T("CON"), false}, {_T("nul .txt"), false},
        {_T("Lpt1.log"), false},
    };
    for (const auto& test : kNames)
        EXPECT_EQ(test.bare, IsBareFileName(test.name)) << test.name;
}
