#include "slicewise/core/Merge.h"
#include "common/PowerClass.h"
#include "framework/BufferedFile.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
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

// One run of the command: its files and counters live only while it runs.
class MergeRun {
public:
    MergeRun(const tstring& stem, SliceHost& host)
        : host_(host), stem_(stem), caption_(host.Text(slicetext::kCaption)) {}

    SliceOutcome Run() {
        try {
            return Copy();
        } catch (const FileError& error) {
            // The status line keeps its last text.
            Abandon();
            ReportFileError(host_.Owner(), error, kSlicewiseName);
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

private:
    SliceOutcome Copy() {
        part_.Open(PartName(stem_, partNumber_), BufferedFile::kRead);
        partSize_ = part_.Length();
        ReadManifest();
        const ULONGLONG total = PartsTotal();
        joined_.Create(stem_);
        host_.Status(SliceStep{slicetext::kMerging});
        FlashFolderBox();
        std::vector<BlockWorker*> workers = {&writer_};
        for (auto& checks : partChecks_)
            workers.push_back(checks.get());
        if (wholeCheck_)
            workers.push_back(&wholeHash_);
        pipeline_.reset(new BlockPipeline(workers, kCopyBlocks, kCopyBlock));
        writer_.SetFile(&joined_.File());
        for (ULONGLONG done = 0;;) {
            // A part ends the set when it runs out before partSize bytes;
            // an empty part 1 (partSize 0) ends it at once.
            CopyBlock& block = pipeline_->Next();
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.bytes.size(), partSize_ - counter_));
            block.size = want == 0 ? 0 : part_.Read(block.bytes.data(), want);
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
        ShowSliceMessage(host_, host_.Text(slicetext::kMerged), caption_);
        return SliceOutcome::kDone;
    }

    // The set's checksum file, when there is one: the digests of its parts
    // from part 1 on, or else the digest of the joined file. A file that
    // names neither is another one's and is not used.
    void ReadManifest() {
        const tstring path = ManifestPath(stem_);
        if (!PowerClass::FileExists(path))
            return;
        BufferedFile file;
        file.Open(path, BufferedFile::kRead);
        std::string text(static_cast<size_t>(file.Length()), '\0');
        text.resize(file.Read(&text[0], text.size()));
        file.Close();
        const ManifestDigests digests = ParseManifest(text);
        std::vector<Sha256Digest> parts;
        for (ULONGLONG n = 1;; ++n) {
            const auto line = digests.find(FileNameOf(PartName(stem_, n)));
            if (line == digests.end())
                break;
            parts.push_back(line->second);
        }
        const auto whole = digests.find(FileNameOf(stem_));
        if (!parts.empty()) {
            // Every other part each, on two threads.
            for (ULONGLONG lane = 0; lane < 2; ++lane)
                partChecks_.emplace_back(new PartChecks(parts, 2, lane));
        } else if (whole != digests.end()) {
            wholeCheck_.reset(new Sha256Digest(whole->second));
        }
    }

    // The bytes of the parts that are there, for the progress of the whole.
    ULONGLONG PartsTotal() const {
        ULONGLONG total = partSize_;
        for (ULONGLONG n = 2; partSize_ > 0; ++n) {
            const ULONGLONG size = PowerClass::FileSize(PartName(stem_, n));   // 0: none
            total += size;
            if (size < partSize_)
                break;
        }
        return total;
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
        ShowSliceMessage(host_, message, caption_);
        return outcome;
    }

    // The workers end first, then the files close; the joined file goes.
    void Abandon() noexcept {
        if (pipeline_)
            pipeline_->Stop();
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
        ShowSliceMessage(host, host.Text(slicetext::kMergeHint), caption);
        tstring chosen;
        if (!Ui().ChooseOpenFile(host.Owner(), kPartFilter, kPartPathChars, chosen))
            return SliceOutcome::kCancelled;
        // Whichever part was chosen, the set is joined from part 1.
        tstring stem;
        if (!StemOfPart(chosen, stem)) {
            ShowSliceMessage(host, host.Text(slicetext::kNotAPart), caption);
            return SliceOutcome::kRefused;
        }
        return MergeRun(stem, host).Run();
    } catch (...) {
        // Even the report failed (no memory left): the run has cleaned up.
        return SliceOutcome::kFailed;
    }
}
