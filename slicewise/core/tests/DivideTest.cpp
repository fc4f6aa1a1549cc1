#include "FakeHost.h"
#include "framework/SystemError.h"
#include "framework/testkit/RecordingUi.h"
#include "framework/testkit/RecordingWrites.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/JoinScript.h"
#include "slicewise/core/Merge.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include "slicewise/core/ProgressSteps.h"
#include "slicewise/core/StagedSet.h"
#include "tests/support/TempFolder.h"
#include <algorithm>
#include <set>
#include <gtest/gtest.h>

namespace {

// The status steps a host had seen when the next message box came up.
struct StepsAtMessage {
    FakeHost* host;
    std::vector<SliceStep> seen;
};

void RecordSteps(void* context) {
    StepsAtMessage& record = *static_cast<StepsAtMessage*>(context);
    record.seen = record.host->steps;
}

// A source in its own folder "in", parts into "out".
class DivideTest : public ::testing::Test {
protected:
    DivideTest() {
        CreateDirectory(InFolder().c_str(), nullptr);
        CreateDirectory(OutFolder().c_str(), nullptr);
    }
    tstring InFolder() const { return temp / _T("in"); }
    tstring OutFolder() const { return temp / _T("out"); }
    tstring Source() const { return InFolder() + _T("\\src.bin"); }
    tstring Part(ULONGLONG number) const { return PartName(OutFolder() + _T("\\src.bin"), number); }

    DivideValues UserDefined(int bytes, int unit = 0) const {
        DivideValues values;
        values.SourcePath = Source();
        values.OutputFolder = OutFolder() + _T("\\...");
        values.SizeChoice = 7;
        values.UserSize = bytes;
        values.SizeUnit = unit;
        return values;
    }

    // The message texts shown, in order.
    tstrings Messages() const {
        tstrings texts;
        for (const auto& call : ui.messages) texts.push_back(call.text);
        return texts;
    }

    tstring Checksums() const { return OutFolder() + _T("\\src.bin.sha256"); }

    // An older set of this name, made by the command. Returns its bytes.
    std::string DivideOldSet() {
        const std::string old = TestBytes(500, 99);
        files::Write(Source(), old);
        EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(100), host));
        ui.messages.clear();
        host = FakeHost();
        return old;
    }

    // Every part holds its slice of the source; the set ends with the first
    // part shorter than partSize, empty after an exact multiple. Beside the
    // parts lie their checksum file and joining script and nothing else.
    void ExpectParts(const std::string& source, size_t partSize) {
        const size_t count = source.size() / partSize + 1;
        for (size_t n = 1; n <= count; ++n)
            EXPECT_EQ(source.substr((n - 1) * partSize, partSize), files::Read(Part(n)))
                << "part " << n << " of a " << source.size() << "-byte source";
        EXPECT_EQ(ChecksumsOf(source, partSize, "src.bin"), files::Read(Checksums()));
        Sha256 whole;
        whole.Update(source.data(), source.size());
        EXPECT_EQ(JoinScriptText(JoinSet{_T("src.bin"), source.size(), partSize, whole.Final()}),
                  files::Read(OutFolder() + _T("\\src.bin.join.cmd")));
        EXPECT_EQ(count + 2, files::List(OutFolder()).size()) << source.size() << " bytes";
    }

    TempFolder temp;
    RecordingUi ui;
    FakeHost host;
};

}  // namespace

class DivideSizes : public DivideTest, public ::testing::WithParamInterface<int> {};

// Part sizes below 1000, a multiple of 1000 and an odd size.
INSTANTIATE_TEST_SUITE_P(PartSizes, DivideSizes, ::testing::Values(100, 2000, 1234));

TEST_P(DivideSizes, PartsHoldTheSourceAtEveryBoundary) {
    const size_t ps = GetParam();
    for (size_t size : {ps + 1, 2 * ps - 1, 2 * ps, 2 * ps + 1, 3 * ps - 1, 3 * ps, 3 * ps + 1}) {
        files::RemoveTree(OutFolder());
        CreateDirectory(OutFolder().c_str(), nullptr);
        ui.messages.clear();
        const std::string source = TestBytes(size, static_cast<unsigned>(size));
        files::Write(Source(), source);

        EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(GetParam()), host));
        ExpectParts(source, ps);
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(_T("T150"), ui.messages[0].text);
        EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), ui.messages[0].type);
        EXPECT_EQ(source, files::Read(Source()));
    }
}

TEST_P(DivideSizes, SourceNotLargerThanThePartIsRefusedCreatingNothing) {
    const size_t ps = GetParam();
    for (size_t size : {size_t(0), size_t(1), ps - 1, ps}) {
        files::RemoveTree(OutFolder());
        CreateDirectory(OutFolder().c_str(), nullptr);
        ui.messages.clear();
        host.steps.clear();
        files::Write(Source(), TestBytes(size));
        StepsAtMessage atMessage{&host, {}};
        ui.OnNextMessage(RecordSteps, &atMessage);

        EXPECT_EQ(SliceOutcome::kRefused, Divide(UserDefined(GetParam()), host));
        EXPECT_EQ(tstrings{_T("T140")}, Messages()) << size << " bytes";
        // The refusal comes while the status line still shows text 135.
        EXPECT_EQ(std::vector<SliceStep>{Step(135)}, atMessage.seen);
        EXPECT_EQ(_T("T5"), ui.messages[0].caption);
        EXPECT_TRUE(files::List(OutFolder()).empty());
        const std::vector<SliceStep> expected = {Step(135), Step(0)};
        EXPECT_EQ(expected, host.steps);
    }
}

TEST_F(DivideTest, HundredKilobyteChoiceGivesTwoFullPartsAndTheRest) {
    const std::string source = TestBytes(250000);
    files::Write(Source(), source);
    DivideValues values = UserDefined(0);
    values.SizeChoice = 3;

    EXPECT_EQ(SliceOutcome::kDone, Divide(values, host));
    EXPECT_EQ(102400u, files::Read(Part(1)).size());
    EXPECT_EQ(102400u, files::Read(Part(2)).size());
    EXPECT_EQ(45200u, files::Read(Part(3)).size());
    ExpectParts(source, 102400);

    // Each part reports every 1000 bytes it reaches, by the integer percentage
    // of the part; the part starts come after the last step of the full part.
    EXPECT_EQ(ByteBySteps(135, 145, 146, 250000, 102400), host.steps);
    EXPECT_EQ(Step(146, 1, 0), host.steps[1]);
    EXPECT_EQ(Step(146, 1, 99), host.steps[102]);
    EXPECT_EQ(Step(145, 2), host.steps[103]);
}

TEST_F(DivideTest, StatusStepsForSmallSizes) {
    // A multiple of 1000: the 100 % step of a full part before the next start.
    files::Write(Source(), TestBytes(4500));
    Divide(UserDefined(2000), host);
    std::vector<SliceStep> expected = {Step(135), Step(146, 1, 50), Step(146, 1, 100), Step(145, 2),
                                       Step(146, 2, 50), Step(146, 2, 100), Step(145, 3), Step(0)};
    EXPECT_EQ(expected, host.steps);

    // Below 1000: only the part starts.
    host.steps.clear();
    files::Write(Source(), TestBytes(2000));
    Divide(UserDefined(999), host);
    expected = {Step(135), Step(145, 2), Step(145, 3), Step(0)};
    EXPECT_EQ(expected, host.steps);

    // An odd size: steps by the part's own counter, never 100 %.
    host.steps.clear();
    files::Write(Source(), TestBytes(3100));
    Divide(UserDefined(1500), host);
    expected = {Step(135), Step(146, 1, 66), Step(145, 2), Step(146, 2, 66), Step(145, 3), Step(0)};
    EXPECT_EQ(expected, host.steps);
}

TEST_F(DivideTest, PartsLongerThanACopyBlockStepAsByteByByte) {
    // Blocks of the copy are not multiples of 1000 and parts span several.
    for (ULONGLONG size : {650000ULL, 600000ULL}) {
        host.steps.clear();
        const std::string source = TestBytes(static_cast<size_t>(size));
        files::Write(Source(), source);
        EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(300000), host));
        ExpectParts(source, 300000);
        EXPECT_EQ(ByteBySteps(135, 145, 146, size, 300000), host.steps);
        // The progress of the whole run grows with every block up to the source size.
        ASSERT_FALSE(host.progress.empty());
        EXPECT_EQ(std::make_pair(size, size), host.progress.back());
        for (size_t i = 1; i < host.progress.size(); ++i)
            EXPECT_LT(host.progress[i - 1].first, host.progress[i].first);
        host.progress.clear();
    }
}

TEST_F(DivideTest, UnitTypedIntoTheComboGivesHundredBytes) {
    const std::string source = TestBytes(250);
    files::Write(Source(), source);
    EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(5, kNoUnitSelected), host));
    ExpectParts(source, 100);
}

// Every refusal leaves a set of that name that lies there already as it was.
TEST_F(DivideTest, MissingSourceOrFolderIsRefused) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    DivideValues values = UserDefined(100);
    values.OutputFolder.clear();
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    values = UserDefined(100);
    values.SourcePath.clear();
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    EXPECT_EQ((tstrings{_T("T130"), _T("T130")}), Messages());
    EXPECT_EQ(_T("T5"), ui.messages[1].caption);
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, UserSizeZeroIsRefusedBeforeAnythingIsCreated) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    EXPECT_EQ(SliceOutcome::kRefused, Divide(UserDefined(0, 2), host));
    EXPECT_EQ(tstrings{_T("T141")}, Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, NegativeUserSizeIsRefusedAsTooLarge) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    files::Write(Source(), TestBytes(5000));
    EXPECT_EQ(SliceOutcome::kRefused, Divide(UserDefined(-5, 1), host));
    EXPECT_EQ(tstrings{_T("T140")}, Messages());
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
}

TEST_F(DivideTest, MissingSourceIsAFileErrorAndCreatesNothing) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    DeleteFile(Source().c_str());
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(FailureText(Source() + _T(" was not found."), ERROR_FILE_NOT_FOUND), ui.messages[0].text);
    EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[0].type);
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, SourceHeldOpenIsASharingViolation) {
    files::Write(Source(), TestBytes(500));
    HANDLE other = CreateFile(Source().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    CloseHandle(other);
    EXPECT_EQ(tstrings{FailureText(_T("A sharing violation occurred while accessing ") + Source() + _T("."),
                                   ERROR_SHARING_VIOLATION)},
              Messages());
    EXPECT_TRUE(files::List(OutFolder()).empty());
}

TEST_F(DivideTest, PartsIntoAMissingFolderAreAFileError) {
    files::Write(Source(), TestBytes(500));
    DivideValues values = UserDefined(100);
    values.OutputFolder = temp / _T("nowhere\\...");
    EXPECT_EQ(SliceOutcome::kFailed, Divide(values, host));
    EXPECT_EQ(tstrings{FailureText(temp / _T("nowhere\\src.bin.00001.vtrl") + _T(" contains an invalid path."),
                                   ERROR_PATH_NOT_FOUND)},
              Messages());
    EXPECT_FALSE(files::Exists(temp / _T("nowhere")));
    // The source was closed: it can be opened exclusively again.
    HANDLE again = CreateFile(Source().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, again);
    CloseHandle(again);
}

TEST_F(DivideTest, PartThatCannotBeReplacedStopsTheDivision) {
    const std::string source = TestBytes(450);
    files::Write(Source(), source);
    files::Write(Part(3), "held");
    HANDLE other = CreateFile(Part(3).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    CloseHandle(other);
    EXPECT_EQ(tstrings{FailureText(_T("Access to ") + Part(3) + _T(" was denied."), ERROR_ACCESS_DENIED)},
              Messages());
    // The parts renamed before it stay; no temporary file is left.
    EXPECT_EQ(source.substr(0, 100), files::Read(Part(1)));
    EXPECT_EQ(source.substr(100, 100), files::Read(Part(2)));
    EXPECT_EQ("held", files::Read(Part(3)));
    EXPECT_EQ(5u, files::List(OutFolder()).size());   // and the checksum file and script
    EXPECT_EQ(Step(145, 5), host.steps.back());   // the status line keeps its last text
}

TEST_F(DivideTest, StopRemovesThePartsOfTheRunAndSaysSo) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    files::Write(Source(), TestBytes(450));
    host.stopAtCall = 2;   // when part 2 is full and part 3 begun
    EXPECT_EQ(SliceOutcome::kStopped, Divide(UserDefined(100), host));
    EXPECT_EQ(tstrings{_T("T170")}, Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_EQ(Step(145, 3), host.steps[host.steps.size() - 2]);
    EXPECT_EQ(Step(0), host.steps.back());
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
    EXPECT_TRUE(DeleteFile(Source().c_str()));   // closed
}

// The window goes on answering while a write, a flush to the disk or a
// rename hangs, its stop ends the run at once, and the run's temporary files
// go when the call returns; a rename that hung completes, and no further one
// follows.
TEST_F(DivideTest, AStalledWriteLetsTheWindowStopTheRun) {
    const struct {
        StalledWrites::Call stalled;
        tstrings left;
    } kStalls[] = {
        {StalledWrites::kWrite, {}},
        {StalledWrites::kFlush, {}},
        {StalledWrites::kReplace, {_T("src.bin.sha256")}},
    };
    files::Write(Source(), TestBytes(3 * kCopyBlock));
    for (const auto& stall : kStalls) {
        host = FakeHost();
        ui.messages.clear();
        {
            StalledWrites writes(stall.stalled);
            host.stopAtWait = 3;
            EXPECT_EQ(SliceOutcome::kStopped, Divide(UserDefined(2 * kCopyBlock), host));
            EXPECT_EQ(3, host.keepWaitingCalls);
            EXPECT_EQ(tstrings{_T("T170")}, Messages());
        }
        for (int i = 0; i < 1000 && files::List(OutFolder()) != stall.left; ++i)
            Sleep(10);
        EXPECT_EQ(stall.left, files::List(OutFolder())) << stall.stalled;
        files::RemoveTree(OutFolder());
        CreateDirectory(OutFolder().c_str(), nullptr);
    }
}

TEST_F(DivideTest, FailureLeavesAnExistingSetAsItWas) {
    const struct {
        ULONGLONG failingPart;
        DWORD error;
        void (*raise)();
        tstring message;
    } kFailures[] = {
        {3, ERROR_DISK_FULL, nullptr,
         FailureText(_T("The disk is full while accessing ") + Part(3) + _T("."), ERROR_DISK_FULL)},
        {2, 0, ThrowNoMemory, _T("T172")},
        {1, 0, ThrowOther, _T("T173")},
    };
    for (const auto& failure : kFailures) {
        files::RemoveTree(OutFolder());
        CreateDirectory(OutFolder().c_str(), nullptr);
        DivideOldSet();
        const auto oldSet = FolderContents(OutFolder());
        files::Write(Source(), TestBytes(1000000));
        {
            FailingWrites writes(PartName(_T("src.bin"), failure.failingPart), 100000, failure.error,
                                 failure.raise);
            EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(400000), host));
        }
        EXPECT_EQ(tstrings{failure.message}, Messages());
        EXPECT_EQ(oldSet, FolderContents(OutFolder())) << failure.failingPart;
    }
}

// Whichever write, flush or rename of the replacement fails, what is left is
// the old set, the new one, or a mix that merging refuses; no temporary file.
TEST_F(DivideTest, FailureAtEachStepOfTheReplacementNeverLeavesAMixThatMerges) {
    const std::string newBytes = TestBytes(250, 5);
    std::set<std::string> seen;
    bool failed = true;
    for (int call = 1; failed; ++call) {
        const std::string old = DivideOldSet();
        files::Write(Source(), newBytes);
        {
            RecordingWrites writes;
            writes.failCall = call;
            const SliceOutcome outcome = Divide(UserDefined(100), host);
            failed = writes.Calls() >= call;
            EXPECT_EQ(failed ? SliceOutcome::kFailed : SliceOutcome::kDone, outcome) << call;
            // Every file is on the disk before it takes its name.
            for (auto at = writes.calls.begin(); at != writes.calls.end(); ++at) {
                const tstring flush = _T("flush ") + at->substr(8, at->find(_T(' '), 8) - 8);
                EXPECT_TRUE(at->compare(0, 8, _T("replace ")) != 0 ||
                            std::find(writes.calls.begin(), at, flush) != at) << *at;
            }
        }
        for (const tstring& name : files::List(OutFolder()))
            EXPECT_EQ(tstring::npos, name.find(_T(".partial"))) << call;
        ui.QueueOpenFile(Part(1));
        const bool merged = Merge(host) == SliceOutcome::kDone;
        const std::string joined = files::Read(OutFolder() + _T("\\src.bin"));
        seen.insert(!merged ? "refused" : joined == old ? "old" : joined == newBytes ? "new" : "mix");
    }
    EXPECT_EQ((std::set<std::string>{"new", "old", "refused"}), seen);
}

TEST_F(DivideTest, TemporaryFilesThatAnEndedRunLeftGoWithTheNextRunOfThatName) {
    // A divide removes its parts' and checksum file's, a merge the joined file's.
    const tstrings names = {_T("src.bin.00001.vtrl.partial"), _T("src.bin.00009.vtrl.partial2"),
                            _T("src.bin.sha256.partial"), _T("src.bin.join.cmd.partial"), _T("src.bin.partial12"),
                            _T("b.bin.00001.vtrl.partial"), _T("src.bin.00001.vtrl.partial.txt")};
    for (const tstring& name : names) files::Write(OutFolder() + _T("\\") + name, "left");
    files::Write(Source(), TestBytes(250));
    EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(100), host));
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    for (size_t i = 0; i < names.size(); ++i)   // the last two are not this set's
        EXPECT_EQ(i >= 5, files::Exists(OutFolder() + _T("\\") + names[i])) << names[i].c_str();
}

// At a session's end the runs' temporaries go at once; one that is still
// being written goes when the ending process closes it.
TEST_F(DivideTest, ASessionsEndRemovesTheRunsTemporariesFinishedOrOpen) {
    StagedSet set;
    set.Create(Part(1));
    set.Finish();
    set.Create(Part(2));
    set.File().Write("x", 1);
    RemoveAllStaged();
    set.File().Abort();
    EXPECT_EQ(tstrings{}, files::List(OutFolder()));
}

TEST_F(DivideTest, VolumeWithoutRoomOrForTheSizeIsRefusedBeforeAnythingIsCreated) {
    DivideOldSet();
    const auto oldSet = FolderContents(OutFolder());
    // A sparse source one byte larger than the DVD choice: nothing of it is read.
    HANDLE file = CreateFile(Source().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    LARGE_INTEGER size;
    size.QuadPart = 4707319809LL;
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    const tstring folder = OutFolder() + _T("\\");
    const struct {
        bool known;
        ULONGLONG free;
        const TCHAR* fileSystem;
        tstring message;
    } kVolumes[] = {
        {true, 1ULL << 40, _T("FAT32"), folder + _T(" is FAT32: at most 4095 T115, parts of 4490 T115")},
        {true, 1ULL << 30, _T("NTFS"), _T("no room in ") + folder + _T(": need 4490 T115, free 1024 T115")},
    };
    DivideValues values = UserDefined(0);
    values.SizeChoice = 2;
    for (const auto& volume : kVolumes) {
        ui.messages.clear();
        FakeVolume seam(volume.known, volume.free, volume.fileSystem);
        EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
        EXPECT_EQ(tstrings{volume.message}, Messages());
        EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    }
    EXPECT_EQ(oldSet, FolderContents(OutFolder()));
    EXPECT_TRUE(host.steps.empty());

    // A volume that cannot say its free space is not refused; FAT32 holds parts
    // below 4 GiB.
    FakeVolume unknown(false, 0, _T("FAT32"));
    const std::string source = TestBytes(5000);
    files::Write(Source(), source);
    EXPECT_EQ(SliceOutcome::kDone, Divide(UserDefined(1000), host));
    EXPECT_EQ(tstrings{folder}, unknown.asked);
    ExpectParts(source, 1000);
}
