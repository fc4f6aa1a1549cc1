#include "FakeHost.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/PartSize.h"
#include "tests/support/TempFolder.h"
#include <algorithm>
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

    // Every part holds its slice of the source; the set ends with the first
    // part shorter than partSize, empty after an exact multiple. Beside the
    // parts lies their checksum file and nothing else.
    void ExpectParts(const std::string& source, size_t partSize) {
        const size_t count = source.size() / partSize + 1;
        for (size_t n = 1; n <= count; ++n)
            EXPECT_EQ(source.substr((n - 1) * partSize, partSize), files::Read(Part(n)))
                << "part " << n << " of a " << source.size() << "-byte source";
        EXPECT_EQ(ChecksumsOf(source, partSize, "src.bin"), files::Read(Checksums()));
        EXPECT_EQ(count + 1, files::List(OutFolder()).size()) << source.size() << " bytes";
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

TEST_P(DivideSizes, SourceNotLargerThanThePartIsRefusedLeavingAnEmptyPartOne) {
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
        EXPECT_EQ(tstrings{_T("src.bin.00001.vtrl")}, files::List(OutFolder()));
        EXPECT_TRUE(files::Read(Part(1)).empty());
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

TEST_F(DivideTest, MissingSourceOrFolderIsRefused) {
    files::Write(Source(), TestBytes(500));
    DivideValues values = UserDefined(100);
    values.OutputFolder.clear();
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    values = UserDefined(100);
    values.SourcePath.clear();
    EXPECT_EQ(SliceOutcome::kRefused, Divide(values, host));
    EXPECT_EQ((tstrings{_T("T130"), _T("T130")}), Messages());
    EXPECT_EQ(_T("T5"), ui.messages[1].caption);
    EXPECT_TRUE(files::List(OutFolder()).empty());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, UserSizeZeroIsRefusedBeforeAnythingIsCreated) {
    files::Write(Source(), TestBytes(5000));
    EXPECT_EQ(SliceOutcome::kRefused, Divide(UserDefined(0, 2), host));
    EXPECT_EQ(tstrings{_T("T141")}, Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_TRUE(files::List(OutFolder()).empty());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, NegativeUserSizeIsRefusedAsTooLarge) {
    files::Write(Source(), TestBytes(5000));
    EXPECT_EQ(SliceOutcome::kRefused, Divide(UserDefined(-5, 1), host));
    EXPECT_EQ(tstrings{_T("T140")}, Messages());
    EXPECT_EQ(tstrings{_T("src.bin.00001.vtrl")}, files::List(OutFolder()));
}

TEST_F(DivideTest, MissingSourceIsAFileErrorAndCreatesNothing) {
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(Source() + _T(" was not found."), ui.messages[0].text);
    EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[0].type);
    EXPECT_TRUE(files::List(OutFolder()).empty());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(DivideTest, SourceHeldOpenIsASharingViolation) {
    files::Write(Source(), TestBytes(500));
    HANDLE other = CreateFile(Source().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    CloseHandle(other);
    EXPECT_EQ(tstrings{_T("A sharing violation occurred while accessing ") + Source() + _T(".")},
              Messages());
    EXPECT_TRUE(files::List(OutFolder()).empty());
}

TEST_F(DivideTest, PartsIntoAMissingFolderAreAFileError) {
    files::Write(Source(), TestBytes(500));
    DivideValues values = UserDefined(100);
    values.OutputFolder = temp / _T("nowhere\\...");
    EXPECT_EQ(SliceOutcome::kFailed, Divide(values, host));
    EXPECT_EQ(tstrings{temp / _T("nowhere\\src.bin.00001.vtrl") + _T(" contains an invalid path.")},
              Messages());
    EXPECT_FALSE(files::Exists(temp / _T("nowhere")));
    // The source was closed: it can be opened exclusively again.
    HANDLE again = CreateFile(Source().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, again);
    CloseHandle(again);
}

TEST_F(DivideTest, PartThatCannotBeCreatedStopsTheDivision) {
    const std::string source = TestBytes(450);
    files::Write(Source(), source);
    files::Write(Part(3), "held");
    HANDLE other = CreateFile(Part(3).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(100), host));
    CloseHandle(other);
    EXPECT_EQ(tstrings{_T("A sharing violation occurred while accessing ") + Part(3) + _T(".")},
              Messages());
    // The parts written so far remain; nothing was written past the failure.
    EXPECT_EQ(source.substr(0, 100), files::Read(Part(1)));
    EXPECT_EQ(source.substr(100, 100), files::Read(Part(2)));
    EXPECT_EQ("held", files::Read(Part(3)));
    EXPECT_EQ(3u, files::List(OutFolder()).size());   // no other file, no checksums
    EXPECT_EQ(Step(145, 2), host.steps.back());   // the status line keeps its last text
}

TEST_F(DivideTest, StopRemovesThePartsOfTheRunAndSaysSo) {
    files::Write(Source(), TestBytes(450));
    files::Write(Checksums(), "of an older set");
    host.stopAtCall = 2;   // when part 2 is full and part 3 begun
    EXPECT_EQ(SliceOutcome::kStopped, Divide(UserDefined(100), host));
    EXPECT_EQ(tstrings{_T("T170")}, Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_EQ(Step(145, 3), host.steps[host.steps.size() - 2]);
    EXPECT_EQ(Step(0), host.steps.back());
    EXPECT_TRUE(files::List(OutFolder()).empty());
    EXPECT_TRUE(DeleteFile(Source().c_str()));   // closed
}


TEST_F(DivideTest, FailureKeepsTheCompletePartsAndNothingUnderTheFailedPartsName) {
    const struct {
        ULONGLONG failingPart;
        DWORD error;
        void (*raise)();
        tstring message;
    } kFailures[] = {
        {3, ERROR_DISK_FULL, nullptr, _T("The disk is full while accessing ") + Part(3) + _T(".")},
        {2, 0, ThrowNoMemory, _T("T172")},
        {1, 0, ThrowOther, _T("T173")},
    };
    const std::string source = TestBytes(1000000);
    files::Write(Source(), source);
    for (const auto& failure : kFailures) {
        files::RemoveTree(OutFolder());
        CreateDirectory(OutFolder().c_str(), nullptr);
        files::Write(Part(failure.failingPart), "of an older set");
        files::Write(Checksums(), "of an older set");
        ui.messages.clear();
        {
            FailingWrites writes(PartName(_T("src.bin"), failure.failingPart), 100000, failure.error,
                                 failure.raise);
            EXPECT_EQ(SliceOutcome::kFailed, Divide(UserDefined(400000), host));
        }
        EXPECT_EQ(tstrings{failure.message}, Messages());
        EXPECT_EQ(failure.failingPart - 1, files::List(OutFolder()).size()) << failure.failingPart;
        for (ULONGLONG n = 1; n < failure.failingPart; ++n)
            EXPECT_EQ(source.substr((n - 1) * 400000, 400000), files::Read(Part(n)));
    }
}

TEST_F(DivideTest, VolumeWithoutRoomOrForTheSizeIsRefusedBeforeAnythingIsCreated) {
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
    EXPECT_TRUE(files::List(OutFolder()).empty());
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
