#include "DialogTestIds.h"
#include "common/AboutDlg.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include <gtest/gtest.h>

TEST(AboutDlg, ShowsIconAndVersionAndEndsWithOk) {
    CAboutDlg about;
    ModalDialogHandler modal;
    modal.Expect([](HWND live) {
        DialogDriver ui(live);
        EXPECT_EQ(_T("About Testprogram"), ui.Caption());
        EXPECT_EQ(_T("Testprogram Version 1.0"), ui.Text(IDC_ABOUT_VERSION));
        EXPECT_NE(0, SendMessage(ui.Item(IDC_ABOUT_ICON), STM_GETICON, 0, 0));
        ui.Click(IDOK);
    });
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_EQ(1, modal.Handled());
}
