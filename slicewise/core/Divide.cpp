#include "slicewise/core/Divide.h"
#include "common/PowerClass.h"
#include "framework/BufferedFile.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/JoinScript.h"
#include "slicewise/core/Manifest.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/core/StagedFile.h"
#include "slicewise/core/StagedSet.h"
#include "slicewise/core/Volume.h"
#include <algorithm>
#include <new>

namespace {

// Bytes of a checksum line besides the name: digest, two blanks, line end.
const ULONGLONG kLineOverhead = 64 + 2 + 1;
// Bytes that a part's name adds to the source's: "." + number + ".vtrl",
// counting up to 20 digits.
const ULONGLONG kPartNameExtra = 1 + 20 + 5;
// Bytes of the joining script: its fixed lines, and per part the commands
// around the part's name, which it holds twice, its percent signs doubled.
const ULONGLONG kScriptFixed = 4096;
const ULONGLONG kScriptPerPart = 100;

// On the SHA instructions, with parts that end on a 64-byte block, one
// thread hashes every block into its part's digest and the whole's in one
// pass, in little more than the time of one: the whole's digest is one serial
// chain anyway, and a second thread would only take processor time from the
// copy. Otherwise the whole has a thread of its own.
PartHashes PartHashesFor(ULONGLONG partSize) {
    if (Sha256OnShaInstructions() && partSize % 64 == 0)
        return PartHashes::WithWhole();
    return PartHashes();
}

// One run of the command: its files and counters live only while it runs,
// or until a write that a stop could not wait for returns (BlockPipeline).
class DivideRun : public std::enable_shared_from_this<DivideRun> {
public:
    DivideRun(const DivideValues& values, ULONGLONG partSize, SliceHost& host)
        : host_(host), partSize_(partSize), withManifest_(values.WriteManifest),
          stem_(FolderBase(values.OutputFolder) + NameTail(values.SourcePath)),
          sourcePath_(values.SourcePath) {}

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
            return Stopped();
        } catch (const FileError& error) {
            // The status line keeps its last text.
            Abandon();
            host_.TellFileError(error);
        } catch (const std::bad_alloc&) {
            Abandon();
            Say(slicetext::kOutOfMemory, host_.Text(slicetext::kCaption));
        } catch (...) {
            Abandon();
            Say(slicetext::kUnexpected, host_.Text(slicetext::kCaption));
        }
        return SliceOutcome::kFailed;
    }

    // Until every new file is complete, a set of this name that lies there
    // already stays as it was; a refused divide touches no file at all.
    SliceOutcome Copy() {
        source_.Open(sourcePath_, BufferedFile::kRead);
        const ULONGLONG size = source_.Length();
        if (size <= partSize_) {
            // The refusal shows while the status line says that dividing
            // began, and is cleared after.
            source_.Close();
            host_.Status(SliceStep{slicetext::kDividing});
            Say(slicetext::kNothingToDivide, host_.Text(slicetext::kCaption));
            host_.Status(SliceStep{slicetext::kEmpty});
            return SliceOutcome::kRefused;
        }
        if (!RoomForSet(host_, FolderOf(stem_), SetSizeFor(size))) {
            source_.Close();
            return SliceOutcome::kRefused;
        }
        std::vector<BlockWorker*> workers = {&writer_};
        if (withManifest_)
            workers.push_back(&hashes_);
        if (withManifest_ && !hashes_.HashesWhole())
            workers.push_back(&wholeHash_);
        pipeline_.reset(new BlockPipeline(workers, kCopyBlocks, kCopyBlock,
                                          [this] { return host_.KeepWaiting(); },
                                          shared_from_this()));
        pipeline_->Call([this] {
            RemoveStagedLeftovers(stem_, [this](const tstring& name) { return IsOfTheSet(name); });
            StartPart();
        });
        host_.Status(SliceStep{slicetext::kDividing});
        writer_.SetFile(&parts_.File());
        for (ULONGLONG done = 0;;) {
            CopyBlock& block = pipeline_->Next();
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.bytes.size(), partSize_ - counter_));
            block.size = source_.Read(block.bytes.data(), want);
            if (block.size == 0)
                break;
            block.part = partNumber_;
            pipeline_->Submit(block);
            ReportProgressSteps(host_, slicetext::kDivideProgress, partNumber_, partSize_,
                                counter_, counter_ + block.size);
            counter_ += block.size;
            done += block.size;
            if (counter_ == partSize_)
                NextPart();
            host_.Progress(done, size);
            if (!host_.KeepGoing())
                return Stopped();
        }
        // Every part is complete and named before the message: a failing
        // last write must not follow a success.
        pipeline_->Drain();
        pipeline_->Call([this] {
            parts_.Finish();
            source_.Close();
        });
        ReplaceSet();
        host_.Status(SliceStep{slicetext::kEmpty});
        Say(slicetext::kDivided, kSlicewiseName);
        return SliceOutcome::kDone;
    }

    SliceOutcome Stopped() {
        Abandon();
        host_.Status(SliceStep{slicetext::kEmpty});
        Say(slicetext::kDivideStopped, host_.Text(slicetext::kCaption));
        return SliceOutcome::kStopped;
    }

    // The new checksum file and joining script take the old ones' places,
    // each in one rename, before any part does: from then on a mix of new and
    // old parts, which a crash during the renames leaves, fails the check of
    // the merge and of the script. What is left of the old set after the new
    // one's last part goes last. Without checksums there is no script: its
    // check is the whole file's digest. Each rename is a call of its own, so
    // that a stop while one hangs lets no further one follow; the old set's
    // rest, once the new one is in place, goes in one.
    void ReplaceSet() {
        if (withManifest_) {
            WriteChecks();
        } else {
            // Their checksums no longer hold.
            pipeline_->Call([this] { RemoveFile(ManifestPath(stem_)); });
            pipeline_->Call([this] { RemoveFile(JoinScriptPath(stem_)); });
        }
        while (!parts_.Committed())
            pipeline_->Call([this] { parts_.CommitNext(); });
        pipeline_->Call([this] {
            for (ULONGLONG n = partNumber_ + 1; PowerClass::FileExists(PartName(stem_, n)); ++n)
                RemoveFile(PartName(stem_, n));
        });
    }

    // The names of this set's parts and checksum file, without folder.
    bool IsOfTheSet(const tstring& name) const {
        tstring stem;
        return name == FileNameOf(ManifestPath(stem_)) || name == FileNameOf(JoinScriptPath(stem_)) ||
               (StemOfPart(name, stem) && stem == FileNameOf(stem_));
    }

    // A part is created as soon as the previous one is full, so a source of
    // an exact multiple of the part size ends with an empty part.
    void NextPart() {
        pipeline_->Drain(&writer_);
        counter_ = 0;
        ++partNumber_;
        pipeline_->Call([this] {
            parts_.Finish();
            StartPart();
        });
        host_.Status(SliceStep{slicetext::kDividePart, partNumber_});
    }

    void StartPart() { parts_.Create(PartName(stem_, partNumber_)); }

    static void RemoveFile(const tstring& path) {
        if (!DeleteFile(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            const DWORD osError = GetLastError();
            throw FileError::FromLastError(osError, path);
        }
    }

    void WriteChecks() {
        ManifestLines lines;
        hashes_.Finish(partNumber_);
        for (ULONGLONG n = 1; n <= partNumber_; ++n)
            lines.emplace_back(FileNameOf(PartName(stem_, n)), hashes_.Digest(n));
        const Sha256Digest whole = hashes_.HashesWhole() ? hashes_.Whole() : wholeHash_.Final();
        lines.emplace_back(FileNameOf(stem_), whole);
        const ULONGLONG size = (partNumber_ - 1) * partSize_ + counter_;
        checkTexts_[0] = ManifestText(lines);
        checkTexts_[1] = JoinScriptText(JoinSet{FileNameOf(stem_), size, partSize_, whole});
        pipeline_->Call([this] {
            Stage(manifest_, ManifestPath(stem_), checkTexts_[0]);
            Stage(script_, JoinScriptPath(stem_), checkTexts_[1]);
        });
        pipeline_->Call([this] { manifest_.Commit(); });
        pipeline_->Call([this] { script_.Commit(); });
    }

    // Written and on the disk under its temporary name.
    static void Stage(StagedFile& file, const tstring& path, const std::string& text) {
        file.Create(path);
        file.File().Write(text.data(), text.size());
        file.Close();
    }

    SetSize SetSizeFor(ULONGLONG size) const {
        SetSize set = {size, partSize_};
        if (withManifest_) {
            const ULONGLONG lines = size / partSize_ + 2;
            const ULONGLONG name = FileNameOf(stem_).size();
            set.bytes += lines * (kLineOverhead + kPartNameExtra + name * 3) + kScriptFixed +
                         lines * (kScriptPerPart + 2 * (kPartNameExtra + name * 2));
        }
        return set;
    }

    // After a failure or a stop: the workers end first, then the files
    // close; every file of this run not yet named goes. A worker or call
    // still blocked keeps every file: they go with the run when the call
    // returns.
    void Abandon() noexcept {
        if (pipeline_ && !pipeline_->Stop())
            return;
        parts_.Discard();
        manifest_.Discard();
        script_.Discard();
        source_.Abort();
    }

    void Say(int text, const tstring& caption) {
        host_.Tell(host_.Text(text), caption);
    }

    SliceHost& host_;
    const ULONGLONG partSize_;
    const bool withManifest_;
    const tstring stem_;
    const tstring sourcePath_;
    BufferedFile source_;
    StagedSet parts_;
    StagedFile manifest_;
    StagedFile script_;
    std::string checkTexts_[2];   // the checksum file's and the script's
    BlockWriter writer_;
    PartHashes hashes_ = PartHashesFor(partSize_);
    WholeHash wholeHash_;
    std::unique_ptr<BlockPipeline> pipeline_;   // after the workers: it ends first
    ULONGLONG partNumber_ = 1;
    ULONGLONG counter_ = 0;
};

}  // namespace

SliceOutcome Divide(const DivideValues& values, SliceHost& host) {
    try {
        const tstring caption = host.Text(slicetext::kCaption);
        if (values.SourcePath.empty() || values.OutputFolder.empty()) {
            host.Tell(host.Text(slicetext::kMissingInput), caption);
            return SliceOutcome::kRefused;
        }
        const ULONGLONG fileSize = PowerClass::FileSize(values.SourcePath);
        const ULONGLONG partSize =
            PartSizeFor(values.SizeChoice, values.UserSize, values.SizeUnit, fileSize);
        if (partSize == 0) {
            // Nothing is created: a part of no bytes would never fill, and
            // a number of parts must be one that cuts the file.
            host.Tell(values.SizeUnit == kPartCountUnit
                          ? FormatText(host.Text(slicetext::kBadPartCount), {fileSize})
                          : host.Text(slicetext::kZeroPartSize),
                      caption);
            return SliceOutcome::kRefused;
        }
        return std::make_shared<DivideRun>(values, partSize, host)->Run();
    } catch (...) {
        // Even the report failed (no memory left): the run has cleaned up.
        return SliceOutcome::kFailed;
    }
}
