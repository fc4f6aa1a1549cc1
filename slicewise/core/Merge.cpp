#include "slicewise/core/Merge.h"
#include "common/PowerClass.h"
#include "framework/BufferedFile.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/Manifest.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/core/StagedFile.h"
#include <algorithm>
#include <new>

const TCHAR kPartFilter[] = _T("Vantorel divided files (*.00001.vtrl)|*.00001.vtrl");

namespace {

const TCHAR kFlashText[] = _T("<x>");
const DWORD kFlashMilliseconds = 50;

// The joined bytes differ from the checksum of the whole.
struct JoinedMismatch {};

// One run of the command: its files and counters live only while it runs,
// or until a write that a stop could not wait for returns (BlockPipeline).
class MergeRun : public std::enable_shared_from_this<MergeRun> {
public:
    MergeRun(const tstring& stem, SliceHost& host)
        : host_(host), stem_(stem), caption_(host.Text(slicetext::kCaption)) {}

    SliceOutcome Run() {
        const SliceOutcome outcome = Attempt();
        EndWorkers(pipeline_);
        return outcome;
    }

private:
    SliceOutcome Attempt() {
        try {
            return Copy();
        } catch (const CopyStopped&) {
            return EndEarly(host_.Text(slicetext::kMergeStopped), SliceOutcome::kStopped);
        } catch (const FileError& error) {
            // The status line keeps its last text.
            Abandon();
            host_.TellFileError(error);
            return SliceOutcome::kFailed;
        } catch (const PartMismatch& mismatch) {
            return EndEarly(FormatText(host_.Text(slicetext::kPartMismatch),
                                       {PartName(stem_, mismatch.part), ManifestPath(stem_)}),
                            SliceOutcome::kFailed);
        } catch (const JoinedMismatch&) {
            return EndEarly(FormatText(host_.Text(slicetext::kJoinedMismatch),
                                       {FileNameOf(stem_), ManifestPath(stem_)}),
                            SliceOutcome::kFailed);
        } catch (const std::bad_alloc&) {
            return EndEarly(host_.Text(slicetext::kOutOfMemory), SliceOutcome::kFailed);
        } catch (...) {
            return EndEarly(host_.Text(slicetext::kUnexpected), SliceOutcome::kFailed);
        }
    }

    SliceOutcome Copy() {
        part_.Open(PartName(stem_, partNumber_), BufferedFile::kRead);
        partSize_ = part_.Length();
        ULONGLONG total = 0;
        const tstring refusal = Refusal(total);
        if (!refusal.empty()) {
            part_.Close();
            host_.Tell(refusal, caption_);
            return SliceOutcome::kRefused;
        }
        const tstring joinedName = FileNameOf(stem_);
        RemoveStagedLeftovers(stem_, [&joinedName](const tstring& name) { return name == joinedName; });
        joined_.Create(stem_);
        host_.Status(SliceStep{slicetext::kMerging});
        FlashFolderBox();
        std::vector<BlockWorker*> workers = {&writer_};
        for (auto& checks : partChecks_)
            workers.push_back(checks.get());
        if (wholeCheck_)
            workers.push_back(&wholeHash_);
        pipeline_.reset(new BlockPipeline(workers, kCopyBlocks, kCopyBlock,
                                          [this] { return host_.KeepWaiting(); },
                                          shared_from_this()));
        writer_.SetFile(&joined_.File());
        for (ULONGLONG done = 0;;) {
            // A part ends the set when it runs out before partSize bytes.
            CopyBlock& block = pipeline_->Next();
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.bytes.size(), partSize_ - counter_));
            block.size = part_.Read(block.bytes.data(), want);
            if (block.size == 0)
                break;
            block.part = partNumber_;
            pipeline_->Submit(block);
            ReportProgressSteps(host_, slicetext::kMergeProgress, partNumber_, partSize_,
                                counter_, counter_ + block.size);
            counter_ += block.size;
            done += block.size;
            if (counter_ == partSize_ && !NextPart()) {
                // A damaged part before the gap says more than the gap.
                CheckParts(partNumber_ - 1);
                return EndEarly(FormatText(host_.Text(slicetext::kMissingPart),
                                           {PartName(stem_, partNumber_)}),
                                SliceOutcome::kFailed);
            }
            host_.Progress(done, std::max(done, total));
            if (!host_.KeepGoing())
                return EndEarly(host_.Text(slicetext::kMergeStopped), SliceOutcome::kStopped);
        }
        // Named only when joined and checked: a failing last write must not
        // follow a success either.
        CheckParts(partNumber_);
        joined_.Commit();
        part_.Close();
        host_.Status(SliceStep{slicetext::kEmpty});
        host_.Tell(host_.Text(slicetext::kMerged), caption_);
        return SliceOutcome::kDone;
    }

    // Why the set cannot be joined right, found before anything is written;
    // empty when nothing is wrong. total gets the bytes of the parts there
    // are, for the progress of the whole.
    tstring Refusal(ULONGLONG& total) {
        // A divide never makes an empty part 1: it refuses a source that small.
        if (partSize_ == 0)
            return FormatText(host_.Text(slicetext::kEmptyFirstPart), {PartName(stem_, 1)});
        const ULONGLONG shortPart = MeasureParts(total);
        if (shortPart != 0)
            return FormatText(host_.Text(slicetext::kShortPart), {PartName(stem_, shortPart)});
        if (!LoadChecksums())
            return FormatText(host_.Text(slicetext::kForeignChecksums), {ManifestPath(stem_)});
        return tstring();
    }

    // Adds up the parts from part 1 to the first shorter one (or the last
    // there is). Returns the number of a shorter part that another part
    // follows, which only a mix of sets or a lost part gives; else 0.
    ULONGLONG MeasureParts(ULONGLONG& total) const {
        total = partSize_;
        for (ULONGLONG n = 2;; ++n) {
            const tstring name = PartName(stem_, n);
            if (!PowerClass::FileExists(name))
                return 0;
            const ULONGLONG size = PowerClass::FileSize(name);
            total += size;
            if (size < partSize_)
                return PowerClass::FileExists(PartName(stem_, n + 1)) ? n : 0;
        }
    }

    // The set's checksum file, when there is one: the digests of its parts
    // from part 1 on, or else the digest of the joined file (a user's own
    // sha256sum of it). false when it names neither: it is another file's,
    // or damaged, and cannot vouch for the set.
    bool LoadChecksums() {
        const tstring path = ManifestPath(stem_);
        if (!PowerClass::FileExists(path))
            return true;
        const tstring joinedName = FileNameOf(stem_);
        const ManifestDigests digests = ReadManifest(path, [&joinedName](const tstring& name) {
            tstring stem;
            return name == joinedName || (StemOfPart(name, stem) && stem == joinedName);
        });
        std::vector<Sha256Digest> parts;
        for (ULONGLONG n = 1;; ++n) {
            const auto line = digests.find(FileNameOf(PartName(stem_, n)));
            if (line == digests.end())
                break;
            parts.push_back(line->second);
        }
        const auto whole = digests.find(joinedName);
        if (!parts.empty()) {
            // Every other part each, on two threads.
            for (ULONGLONG lane = 0; lane < 2; ++lane)
                partChecks_.emplace_back(new PartChecks(parts, 2, lane));
        } else if (whole != digests.end()) {
            wholeCheck_.reset(new Sha256Digest(whole->second));
        } else {
            return false;
        }
        return true;
    }

    // Raises a mismatch of parts 1 to lastPart, or of the whole.
    void CheckParts(ULONGLONG lastPart) {
        pipeline_->Drain();
        for (auto& checks : partChecks_)
            checks->Finish(lastPart);
        if (wholeCheck_ && wholeHash_.Final() != *wholeCheck_)
            throw JoinedMismatch();
    }

    // Shows "<x>" in the folder box for a moment, as a sign that merging began.
    void FlashFolderBox() {
        const tstring kept = host_.FolderBox();
        host_.SetFolderBox(kFlashText);
        Sleep(kFlashMilliseconds);
        host_.SetFolderBox(kept);
    }

    // Opens the next part; false when it does not exist.
    bool NextPart() {
        counter_ = 0;
        ++partNumber_;
        part_.Close();
        try {
            part_.Open(PartName(stem_, partNumber_), BufferedFile::kRead);
        } catch (const FileError& error) {
            if (error.cause != FileError::kFileNotFound)
                throw;
            return false;
        }
        host_.Status(SliceStep{slicetext::kMergePart, partNumber_});
        return true;
    }

    SliceOutcome EndEarly(const tstring& message, SliceOutcome outcome) {
        Abandon();
        host_.Status(SliceStep{slicetext::kEmpty});
        host_.Tell(message, caption_);
        return outcome;
    }

    // The workers end first, then the files close; the joined file goes. A
    // worker still blocked in a write keeps the joined file: it goes with
    // the run when the write returns.
    void Abandon() noexcept {
        if (pipeline_ && !pipeline_->Stop()) {
            part_.Abort();
            return;
        }
        joined_.Discard();
        part_.Abort();
    }

    SliceHost& host_;
    const tstring stem_;
    const tstring caption_;
    BufferedFile part_;
    StagedFile joined_;
    BlockWriter writer_;
    std::vector<std::unique_ptr<PartChecks>> partChecks_;
    std::unique_ptr<Sha256Digest> wholeCheck_;
    WholeHash wholeHash_;
    std::unique_ptr<BlockPipeline> pipeline_;   // after the workers: it ends first
    ULONGLONG partSize_ = 0;
    ULONGLONG partNumber_ = 1;
    ULONGLONG counter_ = 0;
};

}  // namespace

SliceOutcome Merge(SliceHost& host) {
    try {
        const tstring caption = host.Text(slicetext::kCaption);
        host.Tell(host.Text(slicetext::kMergeHint), caption);
        tstring chosen;
        if (!host.ChooseFile(kPartFilter, kPartPathChars, chosen))
            return SliceOutcome::kCancelled;
        // Whichever part was chosen, the set is joined from part 1.
        tstring stem;
        if (!StemOfPart(chosen, stem)) {
            host.Tell(host.Text(slicetext::kNotAPart), caption);
            return SliceOutcome::kRefused;
        }
        return std::make_shared<MergeRun>(stem, host)->Run();
    } catch (...) {
        // Even the report failed (no memory left): the run has cleaned up.
        return SliceOutcome::kFailed;
    }
}
