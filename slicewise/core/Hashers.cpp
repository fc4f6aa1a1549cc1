#include "slicewise/core/Hashers.h"

void PartHashes::Take(const CopyBlock& block) {
    CompleteUpTo(block.part - 1);
    hash_.Update(block.bytes.data(), block.size);
}

const std::vector<Sha256Digest>& PartHashes::Finish(ULONGLONG lastPart) {
    CompleteUpTo(lastPart);
    return digests_;
}

void PartHashes::CompleteUpTo(ULONGLONG part) {
    while (digests_.size() < part) {
        digests_.push_back(hash_.Final());
        PartDone(digests_.size(), digests_.back());
    }
}

void PartHashes::PartDone(ULONGLONG, const Sha256Digest&) {}

void PartChecks::PartDone(ULONGLONG part, const Sha256Digest& digest) {
    if (part > expected_.size() || expected_[part - 1] != digest)
        throw PartMismatch{part};
}
