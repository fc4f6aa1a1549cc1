#include "slicewise/core/PartSize.h"

namespace {

const ULONGLONG kMiB = 1048576;

// Part sizes of the fixed size buttons, by index.
const ULONGLONG SizeTable[] = {
    1509949,        // 1.44 MB floppy: 1.44 x 1 MiB, fraction dropped
    650 * kMiB,     // the CD button's size is 650 MiB, whatever its label says
    4707319808ULL,  // 4.7 GB DVD
    102400,         // 100 KB
    512000,         // 500 KB
    kMiB,           // 1 MB
    2 * kMiB,       // 2 MB
};
const int kUserDefined = 7;

// Factors of the unit combo's entries before the parts: bytes, KB, MB, GB.
const ULONGLONG UnitFactors[] = {1, 1024, kMiB, 1024 * kMiB};

// Anything that names no size gives this.
const ULONGLONG kFallbackSize = 100;

// Rounded up, so that the last part takes the rest: the part format wants
// every other part of the same size.
ULONGLONG EqualPartSize(ULONGLONG fileSize, int parts) {
    if (fileSize < 2)
        return 1;
    if (parts < 2 || static_cast<ULONGLONG>(parts) > fileSize)
        return 0;
    const ULONGLONG count = static_cast<ULONGLONG>(parts);
    return fileSize / count + (fileSize % count != 0 ? 1 : 0);
}

}  // namespace

ULONGLONG PartSizeFor(int sizeChoice, int userSize, int sizeUnit, ULONGLONG fileSize) {
    const int fixedCount = static_cast<int>(sizeof SizeTable / sizeof SizeTable[0]);
    if (sizeChoice >= 0 && sizeChoice < fixedCount)
        return SizeTable[sizeChoice];
    if (sizeChoice != kUserDefined)
        return kFallbackSize;
    if (sizeUnit == kPartCountUnit)
        return EqualPartSize(fileSize, userSize);
    const int unitCount = static_cast<int>(sizeof UnitFactors / sizeof UnitFactors[0]);
    if (sizeUnit < 0 || sizeUnit >= unitCount)
        return kFallbackSize;
    // Sign-extended, multiplied in 64 bits, then taken as unsigned.
    const long long bytes = static_cast<long long>(userSize) *
                            static_cast<long long>(UnitFactors[sizeUnit]);
    return static_cast<ULONGLONG>(bytes);
}
