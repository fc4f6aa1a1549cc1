#include "slicewise/core/Crc32.h"
#include <cpuid.h>
#include <immintrin.h>
#include <cstring>

namespace {

// table[k][b]: the CRC of byte b followed by k zero bytes.
struct Crc32Tables {
    uint32_t table[8][256];

    Crc32Tables() {
        for (uint32_t b = 0; b < 256; ++b) {
            uint32_t crc = b;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
            table[0][b] = crc;
        }
        for (int k = 1; k < 8; ++k)
            for (int b = 0; b < 256; ++b)
                table[k][b] = (table[k - 1][b] >> 8) ^ table[0][table[k - 1][b] & 0xFF];
    }
};

const Crc32Tables& Tables() {
    static const Crc32Tables tables;   // built once, safely across threads
    return tables;
}

// The register of the CRC after whole 64-byte blocks (one at least), by the
// folding of "Fast CRC Computation for Generic Polynomials Using PCLMULQDQ
// Instruction" (Gopal et al., Intel, 2009). Bytes load little-endian, so a
// 128-bit lane holds its first bit, the highest power of x, in bit 0. A
// 64-bit half H times a constant holding K(x) bit-reflected in 33 bits gives
// H(x) K(x) x^32 in the lane's frame: a lane D bits before another moves onto
// it as its low half times x^(D+32) mod P plus its high half times
// x^(D-32) mod P. Worked out in GF(2) (the commit's script):
//   D = 512: x^544, x^480 mod P -> 0x154442bd4, 0x1c6e41596
//   D = 128: x^160, x^96 mod P  -> 0x1751997d0, 0x0ccaa009e
//   x^64 mod P                  -> 0x163cd6124
//   floor(x^64 / P), P          -> 0x1f7011641, 0x1db710641 (Barrett)
#define CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

CLMUL_TARGET __attribute__((always_inline)) inline __m128i Fold(__m128i lane, __m128i k, __m128i next) {
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(lane, k, 0x00), _mm_clmulepi64_si128(lane, k, 0x11)),
                         next);
}

CLMUL_TARGET __attribute__((always_inline)) inline __m128i Load(const unsigned char* in) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
}

// 32-bit Windows promises a stack aligned to 4 bytes only: realign it for
// the 16-byte registers.
CLMUL_TARGET __attribute__((force_align_arg_pointer))
uint32_t ClmulBlocks(uint32_t crc, const unsigned char* in, size_t blocks) {
    const __m128i by512 = _mm_set_epi64x(0x1c6e41596, 0x154442bd4);
    const __m128i by128 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
    // The register's bits are the first 32 bits of the message's polynomial.
    __m128i lanes[4] = {_mm_xor_si128(Load(in), _mm_cvtsi32_si128(static_cast<int>(crc))), Load(in + 16),
                        Load(in + 32), Load(in + 48)};
    for (in += 64; --blocks > 0; in += 64)
        for (int j = 0; j < 4; ++j) lanes[j] = Fold(lanes[j], by512, Load(in + 16 * j));
    __m128i x = Fold(Fold(Fold(lanes[0], by128, lanes[1]), by128, lanes[2]), by128, lanes[3]);
    // The CRC is now this lane's polynomial times x^32, mod P. Its low half
    // times x^96 mod P plus its high half fill 96 bits whose value mod P is
    // the CRC; their first 32 times x^64 mod P plus the other 64 fill 64 bits
    // (bits 32-95) of the same value mod P.
    x = _mm_xor_si128(_mm_clmulepi64_si128(x, by128, 0x10), _mm_srli_si128(x, 8));
    x = _mm_xor_si128(_mm_clmulepi64_si128(_mm_slli_epi64(x, 32), _mm_set_epi64x(0, 0x163cd6124), 0x00),
                      _mm_and_si128(x, _mm_set_epi32(0, -1, -1, 0)));
    // Barrett: the quotient is the high 32 bits of the first 32 times
    // floor(x^64 / P); the remainder, bits 64-95 of the 64 plus it times P.
    const __m128i barrett = _mm_set_epi64x(0x1db710641, 0x1f7011641);
    const __m128i quotient = _mm_clmulepi64_si128(x, barrett, 0x00);
    x = _mm_xor_si128(_mm_clmulepi64_si128(quotient, barrett, 0x10), x);
    return static_cast<uint32_t>(_mm_extract_epi32(x, 2));
}

}  // namespace

Crc32::Crc32(bool tablesOnly) : clmul_(!tablesOnly && ProcessorHasClmul()) {}

bool Crc32::ProcessorHasClmul() {
    static const bool has = [] {
        unsigned a, b, c, d;
        return __get_cpuid(1, &a, &b, &c, &d) && (c & bit_PCLMUL) != 0 && (c & bit_SSE4_1) != 0;
    }();
    return has;
}

void Crc32::Update(const void* data, size_t size) {
    const auto& t = Tables().table;
    const unsigned char* in = static_cast<const unsigned char*>(data);
    uint32_t crc = state_;
    if (clmul_ && size >= 64) {
        crc = ClmulBlocks(crc, in, size / 64);
        in += size / 64 * 64;
        size %= 64;
    }
    // The processor is little-endian: the first byte is the lowest.
    for (; size >= 8; in += 8, size -= 8) {
        uint32_t low, high;
        std::memcpy(&low, in, 4);
        std::memcpy(&high, in + 4, 4);
        low ^= crc;
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
              t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; size > 0; ++in, --size)
        crc = (crc >> 8) ^ t[0][(crc ^ *in) & 0xFF];
    state_ = crc;
}
