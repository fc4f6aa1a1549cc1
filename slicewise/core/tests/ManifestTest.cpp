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
        const ManifestDigests digests = reader.Finish();
        EXPECT_EQ(extra == 0 ? 2u : 1u, digests.size()) << extra;
        EXPECT_EQ(1u, digests.count(_T("short"))) << extra;   // read after a skipped line
    }
}

// Mutated checksum files handed over in pieces of random sizes: no crash, no
// hang, never more lines than the text has, nor a name longer than a line.
TEST(ManifestReader, SurvivesMutatedChecksumFiles) {
    const std::string valid[] = {ChecksumsOf(TestBytes(250), 100, "a.bin"),
                                 "\xEF\xBB\xBF" + ChecksumsOf(TestBytes(40), 7, "n\xC3\xA4me")};
    Mutator mutated(21, {" *", "  ", "\xEF\xBB\xBF", std::string(64, 'a')}, kLongestManifestLine);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = mutated(valid[round % 2]);
        ManifestReader reader([](const tstring&) { return true; });
        for (size_t at = 0, piece = 0; at < text.size(); at += piece)
            reader.Take(text.data() + at, piece = std::min<size_t>(text.size() - at, mutated.Next() % 4096 + 1));
        const ManifestDigests digests = reader.Finish();
        ASSERT_LE(digests.size(), static_cast<size_t>(std::count(text.begin(), text.end(), '\n') + 1));
        for (const auto& line : digests)
            ASSERT_LE(line.first.size(), kLongestManifestLine) << round;
    }
}
