#include "slicewise/core/Crc32.h"
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

}  // namespace

void Crc32::Update(const void* data, size_t size) {
    const auto& t = Tables().table;
    const unsigned char* in = static_cast<const unsigned char*>(data);
    uint32_t crc = state_;
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
