#include "FakeHost.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/Merge.h"
#include "slicewise/core/PartNames.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {

class MergeTest : public ::testing::Test {
protected:
    tstring Joined() const { return temp / _T("a.bin"); }
    tstring Part(ULONGLONG number) const { return PartName(Joined(), number); }

    // Writes the parts of source as Divide makes them.
    void WriteParts(const std::string& source, size_t partSize) {
        const size_t count = source.size() / partSize + 1;
        for (size_t n = 1; n <= count; ++n)
            files::Write(Part(n), source.substr((n - 1) * partSize, partSize));
    }

    tstrings Messages() const {
        tstrings texts;
        for (const auto& call : ui.messages) texts.push_back(call.text);
        return texts;
    }

    TempFolder temp;
    RecordingUi ui;
    FakeHost host;
};

}  // namespace

TEST_F(MergeTest, JoinsThePartsBesideThemAfterTheHint) {
    const std::string source = TestBytes(250000);
    WriteParts(source, 102400);
    ui.QueueOpenFile(Part(1));

    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
    EXPECT_EQ((tstrings{_T("T152"), _T("T165")}), Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_EQ(_T("T5"), ui.messages[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), ui.messages[1].type);
    ASSERT_EQ(1u, ui.openFiles.size());
    EXPECT_EQ(_T("Vantorel divided files (*.00001.vtrl)|*.00001.vtrl"), ui.openFiles[0].filter);
    EXPECT_EQ(61440u, ui.openFiles[0].bufferChars);
}

TEST_F(MergeTest, StatusStepsAndTheFolderBoxFlash) {
    files::Write(Part(1), TestBytes(2000));
    files::Write(Part(2), TestBytes(2000, 2));
    files::Write(Part(3), TestBytes(1500, 3));
    ui.QueueOpenFile(Part(1));
    host.folder = _T("E:\\out\\...");

    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    const std::vector<SliceStep> expected = {
        Step(155),       Step(161, 1, 50), Step(161, 1, 100), Step(160, 2), Step(161, 2, 50),
        Step(161, 2, 100), Step(160, 3),   Step(161, 3, 50),  Step(0)};
    EXPECT_EQ(expected, host.steps);
    EXPECT_EQ((tstrings{_T("<x>"), _T("E:\\out\\...")}), host.folderShown);

    // Parts below 1000 bytes: only the part starts.
    host.steps.clear();
    files::Write(Part(1), TestBytes(999));
    files::Write(Part(2), TestBytes(999));
    files::Write(Part(3), TestBytes(0));
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    const std::vector<SliceStep> small = {Step(155), Step(160, 2), Step(160, 3), Step(0)};
    EXPECT_EQ(small, host.steps);
    EXPECT_EQ(1998u, files::Read(Joined()).size());
}

TEST_F(MergeTest, PartsLongerThanACopyBlockStepAsByteByByte) {
    const std::string source = TestBytes(650000);
    WriteParts(source, 300000);
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
    EXPECT_EQ(ByteBySteps(155, 160, 161, 650000, 300000), host.steps);
}

TEST_F(MergeTest, RoundTripsWithDivideAtTheBoundaries) {
    CreateDirectory((temp / _T("in")).c_str(), nullptr);
    const tstring source = temp / _T("in\\a.bin");
    for (int partSize : {100, 2000, 1234}) {
        const size_t ps = partSize;
        for (size_t size : {ps + 1, 2 * ps - 1, 2 * ps, 2 * ps + 1, 3 * ps - 1, 3 * ps, 3 * ps + 1}) {
            const std::string bytes = TestBytes(size, static_cast<unsigned>(size + ps));
            files::Write(source, bytes);
            DivideValues values;
            values.SourcePath = source;
            values.OutputFolder = temp.Path() + _T("\\...");
            values.SizeChoice = 7;
            values.UserSize = partSize;
            values.SizeUnit = 0;
            ASSERT_EQ(SliceOutcome::kDone, Divide(values, host));
            ui.QueueOpenFile(Part(1));
            ASSERT_EQ(SliceOutcome::kDone, Merge(host));
            EXPECT_EQ(bytes, files::Read(Joined())) << size << " bytes in parts of " << ps;
            for (ULONGLONG n = 1; files::Exists(Part(n)); ++n) DeleteFile(Part(n).c_str());
        }
    }
}

TEST_F(MergeTest, ChosenLaterPartJoinsFromPartOne) {
    const std::string source = TestBytes(5000);
    WriteParts(source, 1234);
    ui.QueueOpenFile(Part(3));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
}

TEST_F(MergeTest, ChosenFileNotNamedLikeAPartIsRefused) {
    files::Write(temp / _T("a.bin.vtrl"), "abc");
    files::Write(temp / _T("a.bin.0001.vtrl"), "abc");
    ui.QueueOpenFile(temp / _T("a.bin.vtrl"));
    ui.QueueOpenFile(temp / _T("a.bin.0001.vtrl"));
    EXPECT_EQ(SliceOutcome::kRefused, Merge(host));
    EXPECT_EQ(SliceOutcome::kRefused, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("T153"), _T("T152"), _T("T153")}), Messages());
    EXPECT_EQ(2u, files::List(temp.Path()).size());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(MergeTest, CancelledDialogEndsAfterTheHint) {
    ui.QueueOpenFileCancel();
    EXPECT_EQ(SliceOutcome::kCancelled, Merge(host));
    EXPECT_EQ(tstrings{_T("T152")}, Messages());
    EXPECT_TRUE(host.steps.empty());
    EXPECT_TRUE(host.folderShown.empty());
}

TEST_F(MergeTest, MissingMiddlePartEndsWithItsNameAndNoSuccess) {
    const std::string source = TestBytes(450);
    WriteParts(source, 100);
    ASSERT_TRUE(DeleteFile(Part(3).c_str()));
    ui.QueueOpenFile(Part(1));

    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("missing ") + Part(3)}), Messages());
    EXPECT_EQ(source.substr(0, 200), files::Read(Joined()));
    EXPECT_EQ(Step(0), host.steps.back());
}

TEST_F(MergeTest, SetWithoutItsClosingEmptyPartNamesTheMissingOne) {
    const std::string source = TestBytes(300);
    WriteParts(source, 100);
    ASSERT_TRUE(DeleteFile(Part(4).c_str()));   // the empty part after three full ones
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("missing ") + Part(4)}), Messages());
    EXPECT_EQ(source, files::Read(Joined()));
}

TEST_F(MergeTest, EmptyPartOneGivesAnEmptyJoinedFile) {
    files::Write(Part(1), "");
    files::Write(Part(2), "never read");
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_TRUE(files::Exists(Joined()));
    EXPECT_TRUE(files::Read(Joined()).empty());
    EXPECT_EQ((tstrings{_T("T152"), _T("T165")}), Messages());
}

TEST_F(MergeTest, PartHeldOpenIsAFileError) {
    const std::string source = TestBytes(250);
    WriteParts(source, 100);
    HANDLE other = CreateFile(Part(2).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    CloseHandle(other);
    EXPECT_EQ((tstrings{_T("T152"),
                        _T("A sharing violation occurred while accessing ") + Part(2) + _T(".")}),
              Messages());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[1].type);
    EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[1].caption);
    EXPECT_EQ(source.substr(0, 100), files::Read(Joined()));
}

TEST_F(MergeTest, MissingPartOneIsAFileError) {
    files::Write(Part(2), "abc");
    ui.QueueOpenFile(Part(2));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), Part(1) + _T(" was not found.")}), Messages());
    EXPECT_FALSE(files::Exists(Joined()));
}

TEST_F(MergeTest, StopRequestClosesTheFilesAndSaysSo) {
    const std::string source = TestBytes(2500);
    WriteParts(source, 1000);
    host.stopAtCall = 2;
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kStopped, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("T167")}), Messages());
    EXPECT_EQ(source.substr(0, 2000), files::Read(Joined()));
    EXPECT_TRUE(DeleteFile(Joined().c_str()));
    EXPECT_TRUE(DeleteFile(Part(3).c_str()));
}

TEST(StatusLine, FormatsTheStepWithItsNumbers) {
    EXPECT_EQ(_T("Writing part 2: 50%"), StatusLine(Step(146, 2, 50), _T("Writing part %d: %d%%")));
    EXPECT_EQ(_T("Opening part 3..."), StatusLine(Step(160, 3), _T("Opening part %d...")));
    EXPECT_EQ(_T("Merging..."), StatusLine(Step(155), _T("Merging...")));
    EXPECT_EQ(_T(""), StatusLine(Step(0), _T("anything")));
}
