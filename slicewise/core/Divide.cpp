#include "slicewise/core/Divide.h"
#include "framework/BufferedFile.h"
#include "slicewise/core/Hashers.h"
#include "slicewise/core/Manifest.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/core/StagedFile.h"
#include "slicewise/core/Volume.h"
#include <algorithm>
#include <new>

namespace {

// Bytes of a checksum line besides the name: digest, two blanks, line end.
const ULONGLONG kLineOverhead = 64 + 2 + 1;
// Bytes that a part's name adds to the source's: "." + number + ".vtrl",
// counting up to 20 digits.
const ULONGLONG kPartNameExtra = 1 + 20 + 5;

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

// One run of the command: its files and counters live only while it runs.
class DivideRun {
public:
    DivideRun(const DivideValues& values, ULONGLONG partSize, SliceHost& host)
        : host_(host), partSize_(partSize), withManifest_(values.WriteManifest),
          stem_(FolderBase(values.OutputFolder) + NameTail(values.SourcePath)),
          sourcePath_(values.SourcePath) {}

    SliceOutcome Run() {
        try {
            return Copy();
        } catch (const FileError& error) {
            // The complete parts stay; the status line keeps its last text.
            Abandon(false);
            ReportFileError(host_.Owner(), error, kSlicewiseName);
        } catch (const std::bad_alloc&) {
            Abandon(false);
            Say(slicetext::kOutOfMemory, host_.Text(slicetext::kCaption));
        } catch (...) {
            Abandon(false);
            Say(slicetext::kUnexpected, host_.Text(slicetext::kCaption));
        }
        return SliceOutcome::kFailed;
    }

private:
    SliceOutcome Copy() {
        source_.Open(sourcePath_, BufferedFile::kRead);
        const ULONGLONG size = source_.Length();
        if (size > partSize_ && !RoomForSet(host_, FolderOf(stem_), SetSizeFor(size))) {
            source_.Close();
            return SliceOutcome::kRefused;
        }
        // Whatever set lay here before is being replaced: its checksums no
        // longer hold.
        DeleteFile(ManifestPath(stem_).c_str());
        StartPart();
        host_.Status(SliceStep{slicetext::kDividing});
        if (size <= partSize_) {
            // The empty part 1 stays behind. The refusal shows while the
            // status line still says that dividing began; it is cleared after.
            part_.Commit();
            source_.Close();
            Say(slicetext::kNothingToDivide, host_.Text(slicetext::kCaption));
            host_.Status(SliceStep{slicetext::kEmpty});
            return SliceOutcome::kRefused;
        }
        std::vector<BlockWorker*> workers = {&writer_};
        if (withManifest_)
            workers.push_back(&hashes_);
        if (withManifest_ && !hashes_.HashesWhole())
            workers.push_back(&wholeHash_);
        pipeline_.reset(new BlockPipeline(workers, kCopyBlocks, kCopyBlock));
        writer_.SetFile(&part_.File());
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
            if (!host_.KeepGoing()) {
                Abandon(true);
                host_.Status(SliceStep{slicetext::kEmpty});
                Say(slicetext::kDivideStopped, host_.Text(slicetext::kCaption));
                return SliceOutcome::kStopped;
            }
        }
        // Every part is complete and named before the message: a failing
        // last write must not follow a success.
        pipeline_->Drain();
        part_.Commit();
        source_.Close();
        if (withManifest_)
            WriteManifest();
        host_.Status(SliceStep{slicetext::kEmpty});
        Say(slicetext::kDivided, kSlicewiseName);
        return SliceOutcome::kDone;
    }

    // A part is created as soon as the previous one is full, so a source of
    // an exact multiple of the part size ends with an empty part.
    void NextPart() {
        pipeline_->Drain(&writer_);
        counter_ = 0;
        part_.Commit();
        ++partNumber_;
        StartPart();
        host_.Status(SliceStep{slicetext::kDividePart, partNumber_});
    }

    // A file of an older set under this part's name goes first, so that a
    // run that fails in this part leaves nothing under its name.
    void StartPart() {
        const tstring name = PartName(stem_, partNumber_);
        if (!DeleteFile(name.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            const DWORD osError = GetLastError();
            throw FileError::FromLastError(osError, name);
        }
        part_.Create(name);
    }

    void WriteManifest() {
        ManifestLines lines;
        hashes_.Finish(partNumber_);
        for (ULONGLONG n = 1; n <= partNumber_; ++n)
            lines.emplace_back(FileNameOf(PartName(stem_, n)), hashes_.Digest(n));
        lines.emplace_back(FileNameOf(stem_),
                           hashes_.HashesWhole() ? hashes_.Whole() : wholeHash_.Final());
        const std::string text = ManifestText(lines);
        manifest_.Create(ManifestPath(stem_));
        manifest_.File().Write(text.data(), text.size());
        manifest_.Commit();
    }

    SetSize SetSizeFor(ULONGLONG size) const {
        SetSize set = {size, partSize_};
        if (withManifest_) {
            const ULONGLONG lines = size / partSize_ + 2;
            set.bytes += lines * (kLineOverhead + kPartNameExtra + FileNameOf(stem_).size() * 3);
        }
        return set;
    }

    // After a failure or a stop: the workers end first, then the files
    // close; the part being written goes. A stop removes the complete parts too.
    void Abandon(bool removeParts) noexcept {
        if (pipeline_)
            pipeline_->Stop();
        part_.Discard();
        manifest_.Discard();
        source_.Abort();
        if (removeParts)
            for (ULONGLONG n = 1; n < partNumber_; ++n)
                DeleteFile(PartName(stem_, n).c_str());
    }

    void Say(int text, const tstring& caption) {
        ShowSliceMessage(host_, host_.Text(text), caption);
    }

    SliceHost& host_;
    const ULONGLONG partSize_;
    const bool withManifest_;
    const tstring stem_;
    const tstring sourcePath_;
    BufferedFile source_;
    StagedFile part_;
    StagedFile manifest_;
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
            ShowSliceMessage(host, host.Text(slicetext::kMissingInput), caption);
            return SliceOutcome::kRefused;
        }
        const ULONGLONG partSize = PartSizeFor(values.SizeChoice, values.UserSize, values.SizeUnit);
        if (partSize == 0) {
            // Nothing is created: a part of no bytes would never fill.
            ShowSliceMessage(host, host.Text(slicetext::kZeroPartSize), caption);
            return SliceOutcome::kRefused;
        }
        return DivideRun(values, partSize, host).Run();
    } catch (...) {
        // Even the report failed (no memory left): the run has cleaned up.
        return SliceOutcome::kFailed;
    }
}
