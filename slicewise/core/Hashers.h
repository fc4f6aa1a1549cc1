#pragma once
// The workers of the copy pipeline: the writer of the current file and the
// hashes of the parts and of the whole.
#include "framework/BufferedFile.h"
#include "slicewise/core/BlockPipeline.h"
#include "slicewise/core/Sha256.h"

// Writes every block to the file it is given; the reading thread changes
// the file only after draining this worker.
class BlockWriter : public BlockWorker {
public:
    void SetFile(BufferedFile* file) { file_ = file; }
    void Take(const CopyBlock& block) override { file_->Write(block.bytes.data(), block.size); }

private:
    BufferedFile* file_ = nullptr;
};

// The digest of all blocks together.
class WholeHash : public BlockWorker {
public:
    void Take(const CopyBlock& block) override { hash_.Update(block.bytes.data(), block.size); }
    // After draining.
    Sha256Digest Final() { return hash_.Final(); }

private:
    Sha256 hash_;
};

// The digest of each part on its own. A part that no block belongs to (the
// empty last part after an exact multiple) has the digest of no bytes.
class PartHashes : public BlockWorker {
public:
    void Take(const CopyBlock& block) override;
    // After draining: the digests of parts 1 to lastPart.
    const std::vector<Sha256Digest>& Finish(ULONGLONG lastPart);

protected:
    // Each part's digest, in order, once it is known.
    virtual void PartDone(ULONGLONG part, const Sha256Digest& digest);

private:
    void CompleteUpTo(ULONGLONG part);

    Sha256 hash_;
    std::vector<Sha256Digest> digests_;   // of parts 1 to digests_.size()
};

// A part whose digest differs from the expected one, or that has none.
struct PartMismatch {
    ULONGLONG part;
};

// Checks each part's digest against the expected ones (of parts 1 to n):
// raises PartMismatch at the first part that differs.
class PartChecks : public PartHashes {
public:
    explicit PartChecks(const std::vector<Sha256Digest>& expected) : expected_(expected) {}

private:
    void PartDone(ULONGLONG part, const Sha256Digest& digest) override;

    std::vector<Sha256Digest> expected_;
};
