#include "slicewise/core/Divide.h"
#include "framework/BufferedFile.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include <algorithm>

namespace {

// One run of the command: its files and counters live only while it runs.
class DivideRun {
public:
    DivideRun(const DivideValues& values, ULONGLONG partSize, SliceHost& host)
        : host_(host), partSize_(partSize),
          stem_(FolderBase(values.OutputFolder) + NameTail(values.SourcePath)),
          sourcePath_(values.SourcePath) {}

    SliceOutcome Run() {
        try {
            return Copy();
        } catch (const FileError& error) {
            // Parts written so far stay; the status line keeps its last text.
            part_.Abort();
            source_.Abort();
            ReportFileError(host_.Owner(), error, kSlicewiseName);
            return SliceOutcome::kFailed;
        }
    }

private:
    SliceOutcome Copy() {
        source_.Open(sourcePath_, BufferedFile::kRead);
        part_.Open(PartName(stem_, partNumber_), BufferedFile::kCreateWrite);
        host_.Status(SliceStep{slicetext::kDividing});
        if (source_.Length() <= partSize_) {
            // The empty part 1 stays behind. The refusal shows while the
            // status line still says that dividing began; it is cleared after.
            CloseFiles();
            Say(slicetext::kNothingToDivide, host_.Text(slicetext::kCaption));
            host_.Status(SliceStep{slicetext::kEmpty});
            return SliceOutcome::kRefused;
        }
        std::vector<BYTE> block(kCopyBlock);
        for (;;) {
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.size(), partSize_ - counter_));
            const size_t got = source_.Read(block.data(), want);
            if (got == 0)
                break;
            part_.Write(block.data(), got);
            ReportProgressSteps(host_, slicetext::kDivideProgress, partNumber_, partSize_,
                                counter_, counter_ + got);
            counter_ += got;
            if (counter_ == partSize_)
                NextPart();
            if (!host_.KeepGoing()) {
                Finish();
                Say(slicetext::kStopped, host_.Text(slicetext::kCaption));
                return SliceOutcome::kStopped;
            }
        }
        // Closed before the message: a failing last write must not follow a success.
        Finish();
        Say(slicetext::kDivided, kSlicewiseName);
        return SliceOutcome::kDone;
    }

    // A part is created as soon as the previous one is full, so a source of
    // an exact multiple of the part size ends with an empty part.
    void NextPart() {
        counter_ = 0;
        ++partNumber_;
        part_.Close();
        part_.Open(PartName(stem_, partNumber_), BufferedFile::kCreateWrite);
        host_.Status(SliceStep{slicetext::kDividePart, partNumber_});
    }

    void CloseFiles() {
        part_.Close();
        source_.Close();
    }

    void Finish() {
        CloseFiles();
        host_.Status(SliceStep{slicetext::kEmpty});
    }

    void Say(int text, const tstring& caption) {
        ShowSliceMessage(host_, host_.Text(text), caption);
    }

    SliceHost& host_;
    const ULONGLONG partSize_;
    const tstring stem_;
    const tstring sourcePath_;
    BufferedFile source_;
    BufferedFile part_;
    ULONGLONG partNumber_ = 1;
    ULONGLONG counter_ = 0;
};

}  // namespace

SliceOutcome Divide(const DivideValues& values, SliceHost& host) {
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
}
