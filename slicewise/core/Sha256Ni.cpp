// The SHA-256 compression on the processor's SHA instructions. Only these
// functions are compiled for them; the caller checks ProcessorHasSha first.
#include "slicewise/core/Sha256.h"
#include <immintrin.h>

#define SHA_TARGET __attribute__((target("sha,ssse3,sse4.1")))

namespace {

// The blocks into each of kStates states: the message schedule is worked
// out once, and the rounds of the states interleave, so that one waits for
// its instructions' results while the other's run.
template <int kStates>
SHA_TARGET __attribute__((always_inline)) inline void Compress(uint32_t* const states[],
                                                               const BYTE* data, size_t blocks) {
    // The message words are big-endian.
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    // The instructions keep a state as ABEF and CDGH.
    __m128i abef[kStates], cdgh[kStates];
    for (int s = 0; s < kStates; ++s) {
        const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(states[s]));
        const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(states[s] + 4));
        const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
        const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
        abef[s] = _mm_alignr_epi8(cdab, efgh, 8);
        cdgh[s] = _mm_blend_epi16(efgh, cdab, 0xF0);
    }
    for (; blocks > 0; --blocks, data += 64) {
        __m128i abefBefore[kStates], cdghBefore[kStates];
        for (int s = 0; s < kStates; ++s) {
            abefBefore[s] = abef[s];
            cdghBefore[s] = cdgh[s];
        }
        __m128i w[4];   // the message words of rounds 4i to 4i+3 in w[i % 4]
        for (int i = 0; i < 4; ++i)
            w[i] = _mm_shuffle_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i)), byteSwap);
#pragma GCC unroll 16
        for (int i = 0; i < 16; ++i) {
            const __m128i words = _mm_add_epi32(
                w[i & 3], _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha256Rounds + 4 * i)));
            const __m128i high = _mm_shuffle_epi32(words, 0x0E);
            for (int s = 0; s < kStates; ++s)
                cdgh[s] = _mm_sha256rnds2_epu32(cdgh[s], abef[s], words);
            for (int s = 0; s < kStates; ++s)
                abef[s] = _mm_sha256rnds2_epu32(abef[s], cdgh[s], high);
            if (i < 12) {
                // The words of rounds 4i+16 to 4i+19 from those of the four quads before.
                __m128i next = _mm_sha256msg1_epu32(w[i & 3], w[(i + 1) & 3]);
                next = _mm_add_epi32(next, _mm_alignr_epi8(w[(i + 3) & 3], w[(i + 2) & 3], 4));
                w[i & 3] = _mm_sha256msg2_epu32(next, w[(i + 3) & 3]);
            }
        }
        for (int s = 0; s < kStates; ++s) {
            abef[s] = _mm_add_epi32(abef[s], abefBefore[s]);
            cdgh[s] = _mm_add_epi32(cdgh[s], cdghBefore[s]);
        }
    }
    for (int s = 0; s < kStates; ++s) {
        const __m128i feba = _mm_shuffle_epi32(abef[s], 0x1B);
        const __m128i dchg = _mm_shuffle_epi32(cdgh[s], 0xB1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(states[s]), _mm_blend_epi16(feba, dchg, 0xF0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(states[s] + 4), _mm_alignr_epi8(dchg, feba, 8));
    }
}

}  // namespace

// 32-bit Windows promises a stack aligned to 4 bytes only: realign it for
// the 16-byte spills of the vector registers.
SHA_TARGET __attribute__((force_align_arg_pointer))
void Sha256BlocksShaNi(uint32_t state[8], const BYTE* data, size_t blocks) {
    uint32_t* const states[] = {state};
    Compress<1>(states, data, blocks);
}

SHA_TARGET __attribute__((force_align_arg_pointer))
void Sha256BlocksShaNiTwice(uint32_t first[8], uint32_t second[8], const BYTE* data, size_t blocks) {
    uint32_t* const states[] = {first, second};
    Compress<2>(states, data, blocks);
}
