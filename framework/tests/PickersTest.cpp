#include "framework/Pickers.h"
#include "framework/testkit/RecordingUi.h"
#include <gtest/gtest.h>

namespace {
tstring Z(const TCHAR* text, size_t length) { return tstring(text, length); }
}

TEST(OpenFileFilter, BarsBecomeZerosAndTheListEndsInTwoZeros) {
    EXPECT_EQ(Z(_T("All files\0*.*\0\0"), 15), MakeOpenFileFilter(_T("All files|*.*|")));
    EXPECT_EQ(Z(_T("Text\0*.txt;*.ini\0All\0*.*\0\0"), 26),
              MakeOpenFileFilter(_T("Text|*.txt;*.ini|All|*.*|")));
    // Without the closing bar the list still ends properly.
    EXPECT_EQ(Z(_T("All\0*.*\0\0"), 9), MakeOpenFileFilter(_T("All|*.*")));
    EXPECT_EQ(Z(_T("\0\0"), 2), MakeOpenFileFilter(_T("")));
}

TEST(RecordingUi, RecordsCallsAndAnswersAsQueued) {
    RecordingUi ui;
    EXPECT_EQ(&ui, &Ui());
    ui.QueueButton(IDNO);
    EXPECT_EQ(IDNO, Ui().ShowMessage(nullptr, _T("Delete?"), _T("Verbsmith"), MB_YESNO));
    // Empty queue: the default button, as Enter would press it.
    EXPECT_EQ(IDNO, Ui().ShowMessage(nullptr, _T("x"), _T("c"), MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(IDOK, Ui().ShowMessage(nullptr, _T("x"), _T("c"), MB_OK | MB_ICONSTOP));
    ASSERT_EQ(3u, ui.messages.size());
    EXPECT_EQ(_T("Delete?"), ui.messages[0].text);
    EXPECT_EQ(_T("Verbsmith"), ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[2].type);

    tstring path = _T("unchanged");
    ui.QueueOpenFile(_T("C:\\a.bin"));
    ui.QueueOpenFileCancel();
    EXPECT_TRUE(Ui().ChooseOpenFile(nullptr, _T("All|*.*|"), 61440, path));
    EXPECT_EQ(_T("C:\\a.bin"), path);
    EXPECT_FALSE(Ui().ChooseOpenFile(nullptr, _T("All|*.*|"), 61440, path));
    ui.QueueOpenFile(_T("C:\\much-too-long.bin"));
    EXPECT_FALSE(Ui().ChooseOpenFile(nullptr, _T("All|*.*|"), 8, path));
    EXPECT_EQ(_T("C:\\a.bin"), path);
    ASSERT_EQ(3u, ui.openFiles.size());
    EXPECT_EQ(61440u, ui.openFiles[0].bufferChars);

    ui.QueueFolder(_T("C:\\out"));
    EXPECT_TRUE(Ui().ChooseFolder(nullptr, _T("Pick"), path));
    EXPECT_EQ(_T("C:\\out"), path);
    EXPECT_FALSE(Ui().ChooseFolder(nullptr, _T("Again"), path));
    ASSERT_EQ(2u, ui.folders.size());
    EXPECT_EQ(_T("Again"), ui.folders[1].title);

    ShellStart start;
    start.verb = _T("open");
    start.file = _T("C:\\help.chm");
    ui.QueueShellResult(2);
    EXPECT_EQ(2, Ui().Shell(start));
    EXPECT_EQ(42, Ui().Shell(start));
    HANDLE process = INVALID_HANDLE_VALUE;
    ui.QueueProcess(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), Ui().ShellStartProcess(start, &process));
    EXPECT_EQ(nullptr, process);
    ASSERT_EQ(3u, ui.shells.size());
    EXPECT_EQ(_T("C:\\help.chm"), ui.shells[0].start.file);
    EXPECT_TRUE(ui.shells[2].withProcess);
}

TEST(RecordingUi, LeavingRestoresTheRealSeam) {
    UiSeam* inside = nullptr;
    {
        RecordingUi ui;
        inside = &Ui();
    }
    EXPECT_NE(inside, &Ui());
}
