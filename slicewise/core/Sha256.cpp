#include "slicewise/core/Sha256.h"
#include <algorithm>
#include <cpuid.h>
#include <cstring>

const uint32_t kSha256Rounds[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

namespace {

const uint32_t kInitial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                              0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

inline uint32_t Rotr(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

inline uint32_t BigEndian(const BYTE* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// The compression in use; the SHA instructions by default where there are any.
Sha256Blocks& Chosen() {
    static Sha256Blocks blocks = ProcessorHasSha() ? Sha256BlocksShaNi : Sha256BlocksPortable;
    return blocks;
}

}  // namespace

void Sha256BlocksPortable(uint32_t state[8], const BYTE* data, size_t blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        uint32_t w[64];
        for (int i = 0; i < 16; ++i) w[i] = BigEndian(data + 4 * i);
        for (int i = 16; i < 64; ++i) {
            const uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
        for (int i = 0; i < 64; ++i) {
            const uint32_t t1 = h + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) +
                                ((e & f) ^ (~e & g)) + kSha256Rounds[i] + w[i];
            const uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a; state[1] += b; state[2] += c; state[3] += d;
        state[4] += e; state[5] += f; state[6] += g; state[7] += h;
    }
}

bool ProcessorHasSha() {
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    const bool ssse3 = (c & bit_SSSE3) != 0, sse41 = (c & bit_SSE4_1) != 0;
    if (__get_cpuid_max(0, nullptr) < 7)
        return false;
    __cpuid_count(7, 0, a, b, c, d);
    return ssse3 && sse41 && (b & bit_SHA) != 0;
}

void ChooseSha256Blocks(bool forcePortable) {
    Chosen() = !forcePortable && ProcessorHasSha() ? Sha256BlocksShaNi : Sha256BlocksPortable;
}

bool Sha256OnShaInstructions() { return Chosen() == Sha256BlocksShaNi; }

const char* Sha256PathName() { return Sha256OnShaInstructions() ? "sha-ni" : "portable"; }

Sha256::Sha256(Sha256Blocks blocks) : blocks_(blocks ? blocks : Chosen()) { Reset(); }

void Sha256::Reset() {
    std::memcpy(state_, kInitial, sizeof state_);
    pending_.Clear();
    length_ = 0;
}

void Sha256::Update(const void* data, size_t size) {
    length_ += size;
    pending_.Feed(static_cast<const BYTE*>(data), size,
                  [this](const BYTE* in, size_t count) { blocks_(state_, in, count); });
}

void Sha256::UpdateBoth(Sha256& first, Sha256& second, const void* data, size_t size) {
    const size_t pending = first.pending_.Size();
    if (first.blocks_ != Sha256BlocksShaNi || second.blocks_ != Sha256BlocksShaNi ||
        second.pending_.Size() != pending ||
        std::memcmp(first.pending_.Bytes(), second.pending_.Bytes(), pending) != 0 ||
        pending + size < 2 * PendingBlock::kSize) {
        first.Update(data, size);
        second.Update(data, size);
        return;
    }
    // Both fill their pending block from the same bytes, then run in one pass.
    const BYTE* in = static_cast<const BYTE*>(data);
    const size_t lead = pending == 0 ? 0 : PendingBlock::kSize - pending;
    first.Update(in, lead);
    second.Update(in, lead);
    const size_t blocks = (size - lead) / 64;
    Sha256BlocksShaNiTwice(first.state_, second.state_, in + lead, blocks);
    first.length_ += blocks * 64;
    second.length_ += blocks * 64;
    first.Update(in + lead + blocks * 64, size - lead - blocks * 64);
    second.Update(in + lead + blocks * 64, size - lead - blocks * 64);
}

Sha256Digest Sha256::Final() {
    const unsigned long long bits = length_ * 8;
    BYTE tail[128] = {0x80};
    const size_t tailSize = pending_.Size() < 56 ? 64 - pending_.Size() : 128 - pending_.Size();
    for (int i = 0; i < 8; ++i) tail[tailSize - 1 - i] = static_cast<BYTE>(bits >> (8 * i));
    Update(tail, tailSize);
    Sha256Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<BYTE>(state_[i] >> (24 - 8 * j));
    Reset();
    return digest;
}
