#include "FakeHost.h"
#include "slicewise/core/Crc32.h"
#include <gtest/gtest.h>

// Whole and in pieces of odd sizes, so that the eight-byte steps start at
// every offset.
TEST(Crc32, ZlibValuesWhateverThePieces) {
    const struct {
        std::string bytes;
        uint32_t crc;   // Python's hex(zlib.crc32(bytes))
    } kKnown[] = {
        {"", 0},
        {"123456789", 0xCBF43926},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
        {TestBytes(100000, 7), 0x697E9726},   // the same bytes made in Python
    };
    for (const auto& known : kKnown) {
        Crc32 whole, pieces;
        whole.Update(known.bytes.data(), known.bytes.size());
        EXPECT_EQ(known.crc, whole.Value()) << known.bytes.size() << " bytes";
        for (size_t at = 0, piece = 1; at < known.bytes.size(); at += piece, piece = piece * 3 % 97 + 1)
            pieces.Update(known.bytes.data() + at, std::min(piece, known.bytes.size() - at));
        EXPECT_EQ(known.crc, pieces.Value()) << known.bytes.size() << " bytes in pieces";
    }
}
