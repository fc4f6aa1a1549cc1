#include "slicewise/core/Merge.h"
#include "common/PowerClass.h"
#include "framework/BufferedFile.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSet.h"
#include "slicewise/core/SetChecks.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/core/StagedFile.h"
#include <algorithm>
#include <climits>
#include <new>

const TCHAR kPartFilter[] =
    _T("Divided files (*.00001.vtrl;*.001)|*.00001.vtrl;*.001|Vantorel divided files (*.00001.vtrl)|*.00001.vtrl|All files (*.*)|*.*");

namespace {

const TCHAR kFlashText[] = _T("<x>");
const DWORD kFlashMilliseconds = 50;

// One run of the command: its files and counters live only while it runs,
// or until a write that a stop could not wait for returns (BlockPipeline).
class MergeRun : public std::enable_shared_from_this<MergeRun> {
public:
    MergeRun(const PartSet& set, SliceHost& host)
        : host_(host), set_(set), caption_(host.Text(slicetext::kCaption)) {}

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
        } catch (const ChecksumMismatch& mismatch) {
            return EndEarly(mismatch.part != 0
                                ? FormatText(host_.Text(slicetext::kPartMismatch),
                                             {set_.Part(mismatch.part), mismatch.file})
                                : FormatText(host_.Text(slicetext::kJoinedMismatch),
                                             {FileNameOf(set_.Joined()), mismatch.file}),
                            SliceOutcome::kFailed);
        } catch (const std::bad_alloc&) {
            return EndEarly(host_.Text(slicetext::kOutOfMemory), SliceOutcome::kFailed);
        } catch (...) {
            return EndEarly(host_.Text(slicetext::kUnexpected), SliceOutcome::kFailed);
        }
    }

    SliceOutcome Copy() {
        part_.Open(set_.Part(partNumber_), BufferedFile::kRead);
        partSize_ = part_.Length();
        const PartCount count = set_.CountParts();
        lastPart_ = std::max<ULONGLONG>(count.last, 1);
        if (count.missing != 0)
            return EndEarly(FormatText(host_.Text(slicetext::kMissingPart), {set_.Part(count.missing)}),
                            SliceOutcome::kFailed);
        ULONGLONG total = 0;
        const tstring refusal = Refusal(total);
        if (!refusal.empty()) {
            part_.Close();
            host_.Tell(refusal, caption_);
            return SliceOutcome::kRefused;
        }
        std::vector<BlockWorker*> workers = {&writer_};
        for (BlockWorker* check : checks_.Workers())
            workers.push_back(check);
        pipeline_.reset(new BlockPipeline(workers, kCopyBlocks, kCopyBlock,
                                          [this] { return host_.KeepWaiting(); },
                                          shared_from_this()));
        pipeline_->Call([this] {
            const tstring joinedName = FileNameOf(set_.Joined());
            RemoveStagedLeftovers(set_.Joined(),
                                  [&joinedName](const tstring& name) { return name == joinedName; });
            joined_.Create(set_.Joined());
        });
        host_.Status(SliceStep{slicetext::kMerging});
        FlashFolderBox();
        writer_.SetFile(&joined_.File());
        ULONGLONG done = 0;
        for (;;) {
            // A part ends the set when it runs out before its bytes.
            CopyBlock& block = pipeline_->Next();
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.bytes.size(), PartBytes() - counter_));
            block.size = part_.Read(block.bytes.data(), want);
            if (block.size == 0)
                break;
            block.part = partNumber_;
            pipeline_->Submit(block);
            ReportProgressSteps(host_, slicetext::kMergeProgress, partNumber_, partSize_,
                                counter_, counter_ + block.size);
            counter_ += block.size;
            done += block.size;
            if (counter_ == PartBytes() && !NextPart()) {
                // A damaged part before the gap says more than the gap.
                CheckParts(partNumber_ - 1, std::nullopt);
                return EndEarly(FormatText(host_.Text(slicetext::kMissingPart),
                                           {set_.Part(partNumber_)}),
                                SliceOutcome::kFailed);
            }
            host_.Progress(done, std::max(done, total));
            if (!host_.KeepGoing())
                return EndEarly(host_.Text(slicetext::kMergeStopped), SliceOutcome::kStopped);
        }
        // Named only when joined and checked: a failing last write must not
        // follow a success either.
        CheckParts(partNumber_, done);
        // The rename a call of its own: a stop while the close hangs lets no
        // joined file follow.
        pipeline_->Call([this] {
            joined_.Close();
            part_.Close();
        });
        pipeline_->Call([this] { joined_.Commit(); });
        host_.Status(SliceStep{slicetext::kEmpty});
        host_.Tell(host_.Text(slicetext::kMerged), caption_);
        return SliceOutcome::kDone;
    }

    // Why the set cannot be joined right, found before anything is written;
    // empty when nothing is wrong. total gets the bytes of the parts, for
    // the progress of the whole.
    tstring Refusal(ULONGLONG& total) {
        // A divide never makes an empty part 1: it refuses a source that small.
        if (partSize_ == 0)
            return FormatText(host_.Text(slicetext::kEmptyFirstPart), {set_.Part(1)});
        const ULONGLONG odd = MeasureParts(total);
        if (odd != 0) {
            const tstring part = set_.Part(odd);
            const bool shorter = PowerClass::FileSize(part) < partSize_;
            return FormatText(host_.Text(shorter ? slicetext::kShortPart : slicetext::kLongPart), {part});
        }
        return checks_.Load(set_, host_);
    }

    // Adds up the parts from part 1 to the last. Returns the number of a
    // part before the last that is not as long as part 1, which only a mix
    // of sets or a damaged part gives; else 0.
    ULONGLONG MeasureParts(ULONGLONG& total) const {
        total = partSize_;
        for (ULONGLONG n = 2; n <= lastPart_; ++n) {
            const ULONGLONG size = PowerClass::FileSize(set_.Part(n));
            total += size;
            if (n < lastPart_ && size != partSize_)
                return n;
        }
        return 0;
    }

    // The bytes of the current part: part 1's length, but all of the last
    // part of another program's set, which may be longer.
    ULONGLONG PartBytes() const {
        return !set_.Ours() && partNumber_ == lastPart_ ? ULLONG_MAX : partSize_;
    }

    // Raises a mismatch of parts 1 to lastPart and, once the whole set is
    // copied (joinedBytes), of the joined file.
    void CheckParts(ULONGLONG lastPart, std::optional<ULONGLONG> joinedBytes) {
        pipeline_->Drain();
        checks_.Verify(lastPart, joinedBytes);
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
        try {
            pipeline_->Call([this] {
                part_.Close();
                part_.Open(set_.Part(partNumber_), BufferedFile::kRead);
            });
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
    // worker or call still blocked keeps the files: the joined one goes with
    // the run when the call returns.
    void Abandon() noexcept {
        if (pipeline_ && !pipeline_->Stop())
            return;
        joined_.Discard();
        part_.Abort();
    }

    SliceHost& host_;
    PartSet set_;
    const tstring caption_;
    BufferedFile part_;
    StagedFile joined_;
    BlockWriter writer_;
    SetChecks checks_;
    std::unique_ptr<BlockPipeline> pipeline_;   // after the workers: it ends first
    ULONGLONG partSize_ = 0;
    ULONGLONG lastPart_ = 1;   // the highest part number found at the start
    ULONGLONG partNumber_ = 1;
    ULONGLONG counter_ = 0;
};

}  // namespace

SliceOutcome Merge(SliceHost& host) {
    try {
        host.Tell(host.Text(slicetext::kMergeHint), host.Text(slicetext::kCaption));
        tstring chosen;
        if (!host.ChooseFile(kPartFilter, kPartPathChars, chosen))
            return SliceOutcome::kCancelled;
        return MergePart(host, chosen);
    } catch (...) {
        return SliceOutcome::kFailed;
    }
}

SliceOutcome MergePart(SliceHost& host, const tstring& chosen) {
    try {
        const tstring caption = host.Text(slicetext::kCaption);
        // Whichever part was chosen, the set is joined from part 1.
        PartSet set;
        switch (PartSet::Recognise(chosen, set)) {
        case PartKind::kPart:
            return std::make_shared<MergeRun>(set, host)->Run();
        case PartKind::kArchiveVolume:
            host.Tell(FormatText(host.Text(slicetext::kArchiveVolume), {chosen}), caption);
            return SliceOutcome::kRefused;
        case PartKind::kNotAPart:
            break;
        }
        host.Tell(host.Text(slicetext::kNotAPart), caption);
        return SliceOutcome::kRefused;
    } catch (...) {
        // Even the report failed (no memory left): the run has cleaned up.
        return SliceOutcome::kFailed;
    }
}
