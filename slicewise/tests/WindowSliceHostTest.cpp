#include "slicewise/WindowSliceHost.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"
#include "framework/SafeFormat.h"
#include "framework/testkit/DialogDriver.h"
#include "slicewise/resource.h"
#include "tests/support/ProgramFolder.h"
#include <gtest/gtest.h>

class WindowSliceHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create());
        texts.Load();
    }
    SliceStep Step(int text, ULONGLONG part = 0, ULONGLONG percent = 0) {
        SliceStep step;
        step.text = text;
        step.part = part;
        step.percent = percent;
        return step;
    }
    // The status line of this text, its placeholders filled in order.
    tstring Line(int text, std::initializer_list<FormatArg> args = {}) const {
        return FormatText(texts.GetText(text), args);
    }
    tstring StatusControl() { return DialogDriver(window.Handle()).Text(IDC_STATUS); }

    ProgramFolder program{SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    CSlicewiseDlg window;
    CTranslation texts{SlicewiseDialects()};
    tstring status;
    tstring folder = _T("C:\\out\\...");
};

TEST_F(WindowSliceHostTest, StartAndEndOfARunAreShownAtOnce) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    host.Status(Step(slicetext::kDividing));
    EXPECT_EQ(Line(slicetext::kDividing), StatusControl());
    EXPECT_EQ(Line(slicetext::kDividing), status);
    host.Status(Step(slicetext::kEmpty));
    EXPECT_EQ(_T(""), StatusControl());
    EXPECT_EQ(_T(""), status);
    host.Status(Step(slicetext::kMerging));
    EXPECT_EQ(Line(slicetext::kMerging), StatusControl());
}

TEST_F(WindowSliceHostTest, StepsWaitForTheRefreshAndOnlyTheLatestIsShown) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    host.Status(Step(slicetext::kDividing));
    host.Status(Step(slicetext::kDivideProgress, 1, 40));
    host.Status(Step(slicetext::kDividePart, 2));
    host.Status(Step(slicetext::kDivideProgress, 2, 7));
    EXPECT_EQ(Line(slicetext::kDividing), StatusControl());   // steps alone never draw
    EXPECT_TRUE(host.KeepGoing());                    // the first refresh is due at once
    EXPECT_EQ(Line(slicetext::kDivideProgress, {2, 7}), StatusControl());
    EXPECT_EQ(Line(slicetext::kDivideProgress, {2, 7}), status);
}

TEST_F(WindowSliceHostTest, TheLatestStepCanBeShownWithoutWaiting) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    host.Status(Step(slicetext::kDividing));
    EXPECT_TRUE(host.KeepGoing());                    // the refresh of the run's start
    host.Status(Step(slicetext::kDividePart, 3));
    EXPECT_EQ(Line(slicetext::kDividing), StatusControl());
    host.ShowLatest();                                // a run that failed here
    EXPECT_EQ(Line(slicetext::kDividePart, {3}), StatusControl());
    EXPECT_EQ(Line(slicetext::kDividePart, {3}), status);
    host.Status(Step(slicetext::kEmpty));
    host.ShowLatest();                                // nothing new: stays empty
    EXPECT_EQ(_T(""), StatusControl());
}

TEST_F(WindowSliceHostTest, MergeStepsUseTheMergeTexts) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    host.Status(Step(slicetext::kMergePart, 3));
    host.KeepGoing();
    EXPECT_EQ(Line(slicetext::kMergePart, {3}), StatusControl());
}

TEST_F(WindowSliceHostTest, AStopRequestEndsTheRun) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    EXPECT_TRUE(host.KeepGoing());
    host.RequestStop();
    EXPECT_TRUE(host.StopRequested());
    EXPECT_FALSE(host.KeepGoing());
    EXPECT_FALSE(host.KeepGoing());
}

TEST_F(WindowSliceHostTest, RefreshDispatchesPendingMessages) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    PostMessage(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_SIZE_USER, BN_CLICKED), 0);
    host.KeepGoing();
    EXPECT_TRUE(DialogDriver(window.Handle()).IsEnabled(IDC_USER_SIZE));
}

TEST_F(WindowSliceHostTest, TheFolderBoxFollowsItsValue) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    EXPECT_EQ(_T("C:\\out\\..."), host.FolderBox());
    host.SetFolderBox(_T("<x>"));
    EXPECT_EQ(_T("<x>"), folder);
    EXPECT_EQ(_T("<x>"), DialogDriver(window.Handle()).Text(IDC_OUTPUT_FOLDER));
    EXPECT_EQ(texts.GetText(slicetext::kCaption), host.Text(slicetext::kCaption));
}

TEST_F(WindowSliceHostTest, TheBarShowsThePartOfTheWholeRunDone) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    host.Progress(3, 4);
    EXPECT_TRUE(host.KeepGoing());
    const HWND bar = GetDlgItem(window.Handle(), IDC_PROGRESS);
    const LRESULT range = SendMessage(bar, PBM_GETRANGE, FALSE, 0);
    ASSERT_GT(range, 0);
    EXPECT_EQ(range * 3 / 4, SendMessage(bar, PBM_GETPOS, 0, 0));
}

// The time before the copy's first step (the merge's hint and file dialog)
// counts neither in the speed nor in the time left.
TEST_F(WindowSliceHostTest, TheSpeedCountsFromTheCopysFirstStep) {
    WindowSliceHost host(window.Handle(), texts, status, folder);
    Sleep(1000);
    host.Status(Step(slicetext::kMerging));
    host.Progress(1, 2);   // half done at once: as much time left as went by
    EXPECT_TRUE(host.KeepGoing());
    const tstring line = DialogDriver(window.Handle()).Text(IDC_PROGRESS_TEXT);
    const tstring tail = Line(slicetext::kProgressLine, {_T(""), _T("0:00")});   // no speed
    EXPECT_NE(tstring::npos, line.find(tail)) << line;
}
