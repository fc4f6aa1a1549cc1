#include "FakeHost.h"
#include "slicewise/core/Crc32.h"
#include <gtest/gtest.h>

namespace {

// Fed in pieces of odd sizes up to largest, so that the eight-byte and the
// 64-byte steps start at every offset.
uint32_t InPieces(const std::string& bytes, bool tablesOnly, size_t largest) {
    Crc32 crc(tablesOnly);
    for (size_t at = 0, piece = 1; at < bytes.size(); at += piece, piece = piece * 7 % largest + 1)
        crc.Update(bytes.data() + at, std::min(piece, bytes.size() - at));
    return crc.Value();
}

}  // namespace

// Whole and in pieces, on the tables and on the carry-less multiply.
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
    for (bool tablesOnly : {true, false}) {
        if (!tablesOnly && !Crc32::ProcessorHasClmul())
            GTEST_SKIP() << "the processor has no PCLMULQDQ: only the tables were checked";
        for (const auto& known : kKnown) {
            Crc32 whole(tablesOnly);
            whole.Update(known.bytes.data(), known.bytes.size());
            EXPECT_EQ(known.crc, whole.Value()) << known.bytes.size() << " bytes, tables only " << tablesOnly;
            EXPECT_EQ(known.crc, InPieces(known.bytes, tablesOnly, 97))
                << known.bytes.size() << " bytes in pieces, tables only " << tablesOnly;
        }
    }
    const std::string longBytes = TestBytes((1 << 20) + 13, 24);
    EXPECT_EQ(InPieces(longBytes, true, 9973), InPieces(longBytes, false, 9973));
}
