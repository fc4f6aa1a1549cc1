#include "FakeHost.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/Md5.h"
#include <gtest/gtest.h>

namespace {
Md5Digest Md5Of(const std::string& bytes) {
    Md5 hash;
    // In pieces of odd sizes, across the 64-byte blocks.
    for (size_t at = 0, piece = 1; at < bytes.size(); at += piece, piece = piece * 5 % 131 + 1)
        hash.Update(bytes.data() + at, std::min(piece, bytes.size() - at));
    return hash.Final();
}

}  // namespace

TEST(Md5, Rfc1321TestSuite) {
    const struct {
        std::string message;
        const char* digest;
    } kKnown[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        {std::string(1000000, 'a'), "7707d6ae4e027c70eea2a935c2296f21"},
    };
    for (const auto& known : kKnown)
        EXPECT_EQ(known.digest, HexDigest(Md5Of(known.message))) << known.message.size() << " bytes";
}

// Parts "ab", "c" and the empty end part, against expected digests.
TEST(PartMd5Checks, NamesTheFirstPartThatDiffers) {
    const Md5Digest ab = Md5Of("ab"), c = Md5Of("c"), none = Md5Of("");
    const struct {
        std::vector<Md5Digest> expected;
        ULONGLONG mismatch;   // 0: none
    } kCases[] = {
        {{ab, c, none}, 0},
        {{ab, ab, none}, 2},
        {{c, c, c}, 1},
        {{ab, c, c}, 3},   // the empty part is checked too
        {{ab, c}, 3},      // a part beyond the expected ones
    };
    for (const auto& test : kCases) {
        PartMd5Checks checks(test.expected);
        ULONGLONG mismatch = 0;
        try {
            for (const auto& block : {std::make_pair(1, "a"), std::make_pair(1, "b"), std::make_pair(2, "c")}) {
                CopyBlock copy{std::vector<BYTE>(block.second, block.second + 1), 1, static_cast<ULONGLONG>(block.first)};
                checks.Take(copy);
            }
            checks.Finish(3);
        } catch (const PartMismatch& failed) {
            mismatch = failed.part;
        }
        EXPECT_EQ(test.mismatch, mismatch) << &test - kCases;
    }
}
