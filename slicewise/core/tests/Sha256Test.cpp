#include "FakeHost.h"
#include "slicewise/core/Sha256.h"
#include <gtest/gtest.h>

namespace {
struct Implementation {
    const char* name;
    Sha256Blocks blocks;
};

std::vector<Implementation> Implementations() {
    std::vector<Implementation> all = {{"portable", Sha256BlocksPortable}};
    if (ProcessorHasSha())
        all.push_back({"sha-ni", Sha256BlocksShaNi});
    return all;
}

std::string Digest(Sha256Blocks blocks, const std::string& bytes) {
    Sha256 hash(blocks);
    hash.Update(bytes.data(), bytes.size());
    return HexDigest(hash.Final());
}
}  // namespace

TEST(Sha256, KnownDigests) {
    const struct {
        std::string message;
        const char* digest;
    } kKnown[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Implementation& implementation : Implementations())
        for (const auto& known : kKnown)
            EXPECT_EQ(known.digest, Digest(implementation.blocks, known.message))
                << implementation.name << ", " << known.message.size() << " bytes";
}

TEST(Sha256, ImplementationsAgreeWhateverThePiecesOfTheInput) {
    // Lengths around the 56- and 64-byte edges of the padding, fed whole and
    // in pieces of odd sizes.
    const auto implementations = Implementations();
    if (implementations.size() < 2)
        GTEST_SKIP() << "this processor has no SHA instructions";
    for (size_t size : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 1000u, 65537u}) {
        const std::string bytes = TestBytes(size, static_cast<unsigned>(size));
        const std::string whole = Digest(Sha256BlocksPortable, bytes);
        EXPECT_EQ(whole, Digest(Sha256BlocksShaNi, bytes)) << size;
        Sha256 pieces(Sha256BlocksShaNi);
        for (size_t at = 0, piece = 1; at < size; at += piece, piece = piece * 3 % 97 + 1)
            pieces.Update(bytes.data() + at, std::min(piece, size - at));
        EXPECT_EQ(whole, HexDigest(pieces.Final())) << size << " in pieces";
    }
}

TEST(Sha256, TwoHashesFedTogetherComeOutAsEachAlone) {
    // The whole has taken `before` bytes when the part's hash starts; pieces
    // of odd and block sizes follow.
    const std::string bytes = TestBytes(300000, 3);
    for (const Implementation& implementation : Implementations()) {
        for (size_t before : {0u, 64u, 10u}) {
            Sha256 whole(implementation.blocks), part(implementation.blocks);
            whole.Update(bytes.data(), before);
            for (size_t at = before, piece = 1; at < bytes.size(); at += piece, piece = piece * 7 % 70001 + 1)
                Sha256::UpdateBoth(whole, part, bytes.data() + at, std::min(piece, bytes.size() - at));
            EXPECT_EQ(Digest(implementation.blocks, bytes), HexDigest(whole.Final()))
                << implementation.name << ", " << before;
            EXPECT_EQ(Digest(implementation.blocks, bytes.substr(before)), HexDigest(part.Final()))
                << implementation.name << ", " << before;
        }
    }
}
