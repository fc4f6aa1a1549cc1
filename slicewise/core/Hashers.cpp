#include "slicewise/core/Hashers.h"

void PartHashes::Take(const CopyBlock& block) {
    CompleteUpTo(block.part - 1);
    if (!Hashes(block.part))
        return;
    if (whole_)
        Sha256::UpdateBoth(wholeHash_, hash_, block.bytes.data(), block.size);
    else
        hash_.Update(block.bytes.data(), block.size);
}

void PartHashes::CompleteUpTo(ULONGLONG part) {
    for (; settled_ < part; ++settled_) {
        const ULONGLONG n = settled_ + 1;
        if (!Hashes(n))
            continue;
        digests_.resize(n);
        digests_[n - 1] = hash_.Final();   // of no bytes when no block had them
        PartDone(n, digests_[n - 1]);
    }
}

void PartHashes::PartDone(ULONGLONG, const Sha256Digest&) {}

void PartChecks::PartDone(ULONGLONG part, const Sha256Digest& digest) {
    if (part > expected_.size() || expected_[part - 1] != digest)
        throw PartMismatch{part};
}

void PartMd5Checks::Take(const CopyBlock& block) {
    CheckUpTo(block.part - 1);
    hash_.Update(block.bytes.data(), block.size);
}

void PartMd5Checks::CheckUpTo(ULONGLONG part) {
    // A part no block belongs to has the digest of no bytes.
    for (; checked_ < part; ++checked_)
        if (checked_ >= expected_.size() || hash_.Final() != expected_[checked_])
            throw PartMismatch{checked_ + 1};
}
