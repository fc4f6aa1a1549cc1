#pragma once
// SHA-256 (FIPS 180-4). The compression runs on the processor's SHA
// instructions when it has them (asked once through CPUID) and on portable
// code otherwise; both give the same digests.
#include "slicewise/core/PendingBlock.h"
#include <windows.h>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using Sha256Digest = std::array<BYTE, 32>;

// The compression of whole 64-byte blocks into the eight state words.
using Sha256Blocks = void (*)(uint32_t state[8], const BYTE* data, size_t blocks);
// The 64 round constants, shared by both compressions.
extern const uint32_t kSha256Rounds[64];
void Sha256BlocksPortable(uint32_t state[8], const BYTE* data, size_t blocks);
// Only where ProcessorHasSha() says so. Twice: the same blocks into two
// states at once, in much less than twice the time of one.
void Sha256BlocksShaNi(uint32_t state[8], const BYTE* data, size_t blocks);
void Sha256BlocksShaNiTwice(uint32_t first[8], uint32_t second[8], const BYTE* data,
                            size_t blocks);
bool ProcessorHasSha();

// The compression in use: the SHA instructions where the processor has them,
// unless forcePortable. Set it before any hashing starts (the benchmark
// driver measures both).
void ChooseSha256Blocks(bool forcePortable);
// Whether ChooseSha256Blocks chose the SHA instructions.
bool Sha256OnShaInstructions();
// "sha-ni" or "portable": what ChooseSha256Blocks chose.
const char* Sha256PathName();

class Sha256 {
public:
    explicit Sha256(Sha256Blocks blocks = nullptr);   // nullptr: the one in use
    void Update(const void* data, size_t size);
    // The same bytes into two hashes: in one pass when both run on the SHA
    // instructions and hold the same bytes short of a block (a part's hash and
    // the whole source's when the part size is a multiple of 64), else one
    // after the other.
    static void UpdateBoth(Sha256& first, Sha256& second, const void* data, size_t size);
    // The digest of everything given; the object starts again afterwards.
    Sha256Digest Final();

private:
    void Reset();

    Sha256Blocks blocks_;
    uint32_t state_[8];
    PendingBlock pending_;
    unsigned long long length_ = 0;
};

// Two lower-case hexadecimal digits a byte: 64 for SHA-256, 32 for MD5.
template <size_t Bytes>
std::string HexDigest(const std::array<BYTE, Bytes>& digest) {
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (BYTE byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}
