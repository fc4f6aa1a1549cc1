#pragma once
// MD5 (RFC 1321), for the md5sum files that come with sets made elsewhere.
// Too weak to vouch against tampering; it still finds a damaged part.
#include "slicewise/core/PendingBlock.h"
#include <windows.h>
#include <array>
#include <cstddef>
#include <cstdint>

using Md5Digest = std::array<BYTE, 16>;

class Md5 {
public:
    Md5() { Reset(); }
    void Update(const void* data, size_t size);
    // The digest of everything given; the object starts again afterwards.
    [[nodiscard]] Md5Digest Final();

private:
    void Reset();
    void Blocks(const BYTE* data, size_t blocks);

    uint32_t state_[4];
    PendingBlock pending_;
    unsigned long long length_ = 0;
};
