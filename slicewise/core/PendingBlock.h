#pragma once
// The digests work on whole 64-byte blocks while their input comes in
// pieces of any size: the bytes that do not fill a block yet wait here.
#include <windows.h>
#include <algorithm>
#include <cstring>

class PendingBlock {
public:
    static constexpr size_t kSize = 64;

    // Hands the piece on as whole blocks, the waiting bytes first, to
    // blocks(const BYTE* first, size_t count), and keeps the rest.
    template <class Blocks>
    void Feed(const BYTE* in, size_t size, const Blocks& blocks) {
        if (size_ > 0) {
            const size_t take = std::min(size, kSize - size_);
            std::memcpy(bytes_ + size_, in, take);
            size_ += take;
            in += take;
            size -= take;
            if (size_ < kSize)
                return;
            blocks(bytes_, 1);
            size_ = 0;
        }
        if (size >= kSize)
            blocks(in, size / kSize);
        std::memcpy(bytes_, in + size / kSize * kSize, size % kSize);
        size_ = size % kSize;
    }
    size_t Size() const { return size_; }
    const BYTE* Bytes() const { return bytes_; }
    void Clear() { size_ = 0; }

private:
    BYTE bytes_[kSize] = {};
    size_t size_ = 0;
};
