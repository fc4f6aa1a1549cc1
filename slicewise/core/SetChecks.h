#pragma once
// Every checksum file found beside a set to merge, read before anything is
// written, and the checks it asks of the copy. A set may come with our own
// "<joined>.sha256", a user's sha256sum or md5sum file ("<joined>.sha256",
// "<joined>.md5", "SHA256SUMS", "MD5SUMS") naming the joined file or the
// parts, and a numbered set with the ".crc" file another splitter writes
// beside "<name>.001", which names the joined file too. Each file found is
// checked; one that cannot be used stops the merge before it begins.
#include "slicewise/core/CrcFile.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/Manifest.h"
#include "slicewise/core/PartSet.h"
#include "slicewise/core/SliceHost.h"
#include <memory>
#include <optional>

// A part (numbered from 1) or, as part 0, the joined file differs from
// what the checksum file says of it.
struct ChecksumMismatch {
    ULONGLONG part;
    tstring file;
};

class SetChecks {
public:
    // Reads the checksum files beside the set; a .crc file gives the set its
    // joined name. The refusal to show, or empty when every file found can
    // be used. Raises FileError when one cannot be read.
    [[nodiscard]] tstring Load(PartSet& set, SliceHost& host);
    // The workers the copy feeds, after Load.
    [[nodiscard]] std::vector<BlockWorker*> Workers();
    // After the pipeline drained: raises ChecksumMismatch for the first of
    // parts 1 to lastPart that differs, and, given the joined file's size
    // (the whole set copied), for a joined file that differs.
    void Verify(ULONGLONG lastPart, std::optional<ULONGLONG> joinedBytes);

private:
    // A part check that names its file when a part differs: the check
    // raises on its own thread, and the pipeline hands it on to the copy.
    template <class Checks>
    class Named : public BlockWorker {
    public:
        template <class... Args>
        explicit Named(tstring file, Args&&... args) : checks_(std::forward<Args>(args)...), file_(std::move(file)) {}
        void Take(const CopyBlock& block) override { Run([&] { checks_.Take(block); }); }
        void Finish(ULONGLONG lastPart) { Run([&] { checks_.Finish(lastPart); }); }

    private:
        template <class Step>
        void Run(const Step& step) {
            try {
                step();
            } catch (const PartMismatch& mismatch) {
                throw ChecksumMismatch{mismatch.part, file_};
            }
        }
        Checks checks_;
        tstring file_;
    };

    // The checks one sum file asks for: its part lines, or else its line of
    // the joined file.
    struct SumChecks {
        tstring file;
        std::vector<std::unique_ptr<Named<PartChecks>>> shaParts;
        std::unique_ptr<Named<PartMd5Checks>> md5Parts;
        std::optional<Sha256Digest> sha;
        std::optional<Md5Digest> md5;
        WholeHash wholeSha;
        WholeMd5 wholeMd5;
    };
    [[nodiscard]] tstring LoadCrcFile(PartSet& set, SliceHost& host);
    // False when the file names neither the joined file nor a part.
    [[nodiscard]] bool AddSums(const tstring& path, const SumFile& sums, const PartSet& set);

    std::vector<std::unique_ptr<SumChecks>> sums_;
    tstring crcPath_;
    std::optional<CrcFileInfo> crc_;
    WholeCrc32 wholeCrc_;
};
