#pragma once
// The workers of the copy pipeline: the writer of the current file and the
// hashes of the parts and of the whole.
#include "framework/BufferedFile.h"
#include "slicewise/core/BlockPipeline.h"
#include "slicewise/core/Crc32.h"
#include "slicewise/core/Md5.h"
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

// The digest of all blocks together, of Sha256 or Md5.
template <class Hash>
class WholeDigest : public BlockWorker {
public:
    void Take(const CopyBlock& block) override { hash_.Update(block.bytes.data(), block.size); }
    // After draining.
    [[nodiscard]] auto Final() { return hash_.Final(); }

private:
    Hash hash_;
};
using WholeHash = WholeDigest<Sha256>;
using WholeMd5 = WholeDigest<Md5>;

// The CRC-32 of all blocks together.
class WholeCrc32 : public BlockWorker {
public:
    void Take(const CopyBlock& block) override { crc_.Update(block.bytes.data(), block.size); }
    // After draining.
    [[nodiscard]] uint32_t Value() const { return crc_.Value(); }

private:
    Crc32 crc_;
};

// The digest of each part on its own: of every part, or of every lanes-th
// from part lane + 1 on, so that the parts can be hashed on several threads
// at once. WithWhole() hashes every part and, in the same pass, the digest
// of all blocks. A part that no block belongs to (the empty last part after
// an exact multiple) has the digest of no bytes.
class PartHashes : public BlockWorker {
public:
    explicit PartHashes(ULONGLONG lanes = 1, ULONGLONG lane = 0) : lanes_(lanes), lane_(lane) {}
    static PartHashes WithWhole() {
        PartHashes hashes;
        hashes.whole_ = true;
        return hashes;
    }
    void Take(const CopyBlock& block) override;
    // After draining: settles the parts up to lastPart.
    void Finish(ULONGLONG lastPart) { CompleteUpTo(lastPart); }
    // After Finish: the digest of one of this worker's parts.
    const Sha256Digest& Digest(ULONGLONG part) const { return digests_[part - 1]; }
    bool Hashes(ULONGLONG part) const { return (part - 1) % lanes_ == lane_; }
    bool HashesWhole() const { return whole_; }
    // After Finish, with the whole: the digest of all blocks.
    Sha256Digest Whole() { return wholeHash_.Final(); }

protected:
    // Each of this worker's parts' digest, in order, once it is known.
    virtual void PartDone(ULONGLONG part, const Sha256Digest& digest);

private:
    void CompleteUpTo(ULONGLONG part);

    ULONGLONG lanes_, lane_;
    bool whole_ = false;
    Sha256 hash_;         // of the part being hashed
    Sha256 wholeHash_;
    ULONGLONG settled_ = 0;                // parts 1 to settled_ are done with
    std::vector<Sha256Digest> digests_;   // by part; of this worker's parts
};

// A part whose digest differs from the expected one, or that has none.
struct PartMismatch {
    ULONGLONG part;
};

// Checks the digest of each of its parts against the expected ones (of
// parts 1 to n): raises PartMismatch at the first part that differs.
class PartChecks : public PartHashes {
public:
    PartChecks(const std::vector<Sha256Digest>& expected, ULONGLONG lanes, ULONGLONG lane)
        : PartHashes(lanes, lane), expected_(expected) {}

private:
    void PartDone(ULONGLONG part, const Sha256Digest& digest) override;

    std::vector<Sha256Digest> expected_;
};

// Checks the MD5 of each part against the expected ones (of parts 1 to n),
// as PartChecks does the SHA-256, on one thread: raises PartMismatch at the
// first part that differs, and for a part after the last expected one.
class PartMd5Checks : public BlockWorker {
public:
    explicit PartMd5Checks(std::vector<Md5Digest> expected) : expected_(std::move(expected)) {}
    void Take(const CopyBlock& block) override;
    // After draining: checks the parts up to lastPart.
    void Finish(ULONGLONG lastPart) { CheckUpTo(lastPart); }

private:
    void CheckUpTo(ULONGLONG part);

    std::vector<Md5Digest> expected_;
    Md5 hash_;              // of the part being hashed
    ULONGLONG checked_ = 0;   // parts 1 to checked_ are checked
};
