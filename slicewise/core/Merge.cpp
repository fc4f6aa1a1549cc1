#include "slicewise/core/Merge.h"
#include "framework/BufferedFile.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/SliceTexts.h"
#include <algorithm>

const TCHAR kPartFilter[] = _T("Vantorel divided files (*.00001.vtrl)|*.00001.vtrl");

namespace {

const TCHAR kFlashText[] = _T("<x>");
const DWORD kFlashMilliseconds = 50;

// One run of the command: its files and counters live only while it runs.
class MergeRun {
public:
    MergeRun(const tstring& stem, SliceHost& host)
        : host_(host), stem_(stem), caption_(host.Text(slicetext::kCaption)) {}

    SliceOutcome Run() {
        try {
            return Copy();
        } catch (const FileError& error) {
            // The joined file keeps what was written; the status line its last text.
            part_.Abort();
            joined_.Abort();
            ReportFileError(host_.Owner(), error, kSlicewiseName);
            return SliceOutcome::kFailed;
        }
    }

private:
    SliceOutcome Copy() {
        part_.Open(PartName(stem_, partNumber_), BufferedFile::kRead);
        partSize_ = part_.Length();
        joined_.Open(stem_, BufferedFile::kCreateWrite);
        host_.Status(SliceStep{slicetext::kMerging});
        FlashFolderBox();
        std::vector<BYTE> block(kCopyBlock);
        for (;;) {
            // A part ends the set when it runs out before partSize bytes;
            // an empty part 1 (partSize 0) ends it at once.
            const size_t want =
                static_cast<size_t>(std::min<ULONGLONG>(block.size(), partSize_ - counter_));
            const size_t got = want == 0 ? 0 : part_.Read(block.data(), want);
            if (got == 0)
                break;
            joined_.Write(block.data(), got);
            ReportProgressSteps(host_, slicetext::kMergeProgress, partNumber_, partSize_,
                                counter_, counter_ + got);
            counter_ += got;
            if (counter_ == partSize_ && !NextPart())
                return EndEarly(FormatText(host_.Text(slicetext::kMissingPart),
                                           {PartName(stem_, partNumber_)}),
                                SliceOutcome::kFailed);
            if (!host_.KeepGoing())
                return EndEarly(host_.Text(slicetext::kStopped), SliceOutcome::kStopped);
        }
        // Closed before the message: a failing last write must not follow a success.
        Finish();
        ShowSliceMessage(host_, host_.Text(slicetext::kMerged), caption_);
        return SliceOutcome::kDone;
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
        Finish();
        ShowSliceMessage(host_, message, caption_);
        return outcome;
    }

    void Finish() {
        joined_.Close();
        part_.Close();
        host_.Status(SliceStep{slicetext::kEmpty});
    }

    SliceHost& host_;
    const tstring stem_;
    const tstring caption_;
    BufferedFile part_;
    BufferedFile joined_;
    ULONGLONG partSize_ = 0;
    ULONGLONG partNumber_ = 1;
    ULONGLONG counter_ = 0;
};

}  // namespace

SliceOutcome Merge(SliceHost& host) {
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
}
