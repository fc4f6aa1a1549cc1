#include "ExchangeDialog.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/Menus.h"
#include "framework/MessagePump.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "framework/testkit/RecordingUi.h"
#include <algorithm>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
void AddRows(HWND dialog) {
    ListView rows(GetDlgItem(dialog, IDC_ROWS));
    rows.InsertColumn(0, _T("Name"), 100);
    rows.InsertColumn(1, _T("Value"), 100);
    for (int i = 0; i < 3; ++i) {
        const tstring name = tstring(_T("row ")) + static_cast<TCHAR>(_T('0') + i);
        rows.InsertRow(i, name);
        rows.SetCell(i, 1, name + _T(" value"));
    }
}
}  // namespace

TEST(Dialog, OkEndsAModelessDialogOnlyWhenTheExchangeSucceeds) {
    RecordingUi ui;
    ExchangeDialog dialog;
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver driver(dialog.Handle());
    driver.Type(IDC_AMOUNT, _T("many"));
    driver.Click(IDOK);
    EXPECT_FALSE(dialog.Ended());
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_EQ(1u, ui.messages.size());

    driver.Type(IDC_AMOUNT, _T("64"));
    driver.Click(IDOK);
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(IDOK, dialog.Result());
    EXPECT_EQ(nullptr, dialog.Handle());
    EXPECT_FALSE(IsWindow(driver.Handle()));
    EXPECT_EQ(64, dialog.size);
}

TEST(Dialog, CancelAndTheCloseBoxEndWithoutTakingValues) {
    for (bool closeBox : {false, true}) {
        ExchangeDialog dialog;
        ASSERT_NE(nullptr, dialog.Create());
        DialogDriver driver(dialog.Handle());
        driver.Type(IDC_NAME, _T("changed"));
        if (closeBox)
            driver.Close();
        else
            driver.Click(IDCANCEL);
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(IDCANCEL, dialog.Result());
        EXPECT_EQ(_T("first"), dialog.name);
    }
}

TEST(Dialog, MessagesReachTheirHandlers) {
    ExchangeDialog dialog;
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver driver(dialog.Handle());
    AddRows(dialog.Handle());
    dialog.seen.clear();   // the first exchange into the edits counts as a change too
    driver.Type(IDC_NAME, _T("typed"));
    driver.Type(IDC_LANGUAGE, _T("Klingon"));
    driver.Timer(1);
    driver.MoveMouseOver(IDC_AMOUNT);
    driver.Help(IDC_AMOUNT);
    driver.SysCommand(0x0010);
    driver.PickComboText(IDC_LANGUAGE, _T("English"));
    driver.ClickRow(IDC_ROWS, 2, true);
    PostMessage(dialog.Handle(), WM_APP, 0, 0);
    PumpPendingMessages();
    const tstrings expected = {_T("name typed"), _T("language typed"), _T("timer 1"),         _T("mouse inside"), _T("help on size"),
                               _T("about"),           _T("language picked"), _T("row 2 selected"), _T("row clicked"),
                               _T("row double-clicked"), _T("posted")};
    EXPECT_EQ(expected, dialog.seen);
    EXPECT_EQ(2, driver.SelectedRow(IDC_ROWS));
    EXPECT_EQ(_T("row 2 value"), driver.Cell(IDC_ROWS, 2, 1));
    EXPECT_EQ(0, driver.ComboSelection(IDC_LANGUAGE));
    // A system command the dialog leaves gets the default processing.
    driver.SysCommand(SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(dialog.Handle()));
}

// Typing into a closed combo's edit field leaves no list item selected, as
// the keys of a user do; the dialog hears of it once.
TEST(DialogDriver, TypingIntoAComboClearsItsSelection) {
    ExchangeDialog dialog;
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver driver(dialog.Handle());
    ASSERT_EQ(1, driver.ComboSelection(IDC_LANGUAGE));   // "deu" selected Deutsch
    dialog.seen.clear();
    driver.Type(IDC_LANGUAGE, _T("Klingon"));
    EXPECT_EQ(_T("Klingon"), driver.Text(IDC_LANGUAGE));
    EXPECT_EQ(CB_ERR, driver.ComboSelection(IDC_LANGUAGE));
    EXPECT_EQ(tstrings{_T("language typed")}, dialog.seen);
}

TEST(Dialog, AnExceptionStopsAtTheDialogProcedure) {
    ExchangeDialog dialog;
    dialog.throwOnAction = true;
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver driver(dialog.Handle());
    driver.Click(IDC_ACTION);
    driver.Click(IDC_ACTION);
    EXPECT_EQ(2, std::count(dialog.seen.begin(), dialog.seen.end(), tstring(_T("action"))));
    EXPECT_TRUE(IsWindow(dialog.Handle()));
}

TEST(Dialog, ControlColourAndDragIconAnswerFromTheHandlers) {
    SolidBrush yellow(RGB(255, 255, 0));
    ExchangeDialog dialog;
    dialog.brush = yellow.Get();
    ASSERT_NE(nullptr, dialog.Create());
    const HWND label = dialog.Item(IDC_UNIT_LABEL);
    const HDC dc = GetDC(label);
    EXPECT_EQ(reinterpret_cast<LRESULT>(yellow.Get()),
              SendMessage(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(label)));
    ReleaseDC(label, dc);

    const HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    dialog.SetIcon(icon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon),
              SendMessage(dialog.Handle(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon),
              SendMessage(dialog.Handle(), WM_QUERYDRAGICON, 0, 0));
}

TEST(Dialog, ModalRunEndsWithTheResultItsActionChose) {
    RecordingUi ui;
    ExchangeDialog dialog;
    ModalDialogHandler modal;
    modal.Expect([](HWND live) {
        DialogDriver driver(live);
        EXPECT_EQ(_T("Exchange"), driver.Caption());
        EXPECT_EQ(_T("7"), driver.Text(IDC_AMOUNT));
        EXPECT_TRUE(driver.IsChecked(IDC_UNIT_C));
        driver.Type(IDC_AMOUNT, _T("x"));
        driver.Click(IDOK);   // stays open: not an integer
        EXPECT_TRUE(driver.IsVisible(IDOK));
        driver.Type(IDC_AMOUNT, _T("1440"));
        driver.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, modal.Handled());
    EXPECT_EQ(1440, dialog.size);
    EXPECT_EQ(1u, ui.messages.size());
    EXPECT_EQ(nullptr, dialog.Handle());
}

TEST(Dialog, ModalCancelThroughEscapeKeepsValues) {
    ExchangeDialog dialog;
    ModalDialogHandler modal;
    modal.Expect([](HWND live) {
        DialogDriver driver(live);
        driver.Type(IDC_NAME, _T("lost"));
        driver.Command(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(_T("first"), dialog.name);
}

namespace {
void LeaveTheDialogOpen() {
    ExchangeDialog dialog;
    ModalDialogHandler modal;
    modal.Expect([](HWND) {});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

void OpenADialogNobodyExpects() {
    ExchangeDialog dialog;
    ModalDialogHandler modal;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}
}  // namespace

// The kit must never leave a test hanging in a modal loop.
TEST(ModalDialogHandler, CancelsWhatNoActionEndsAndReportsIt) {
    EXPECT_NONFATAL_FAILURE(LeaveTheDialogOpen(), "left the dialog open");
    EXPECT_NONFATAL_FAILURE(OpenADialogNobodyExpects(), "unexpected dialog");
}

TEST(Menus, TextAndBitmapsByPosition) {
    const HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 32771, _T("&Language Selection"));
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, 32772, _T("E&xit"));
    ASSERT_TRUE(SetMenuItemTextAt(menu, 2, _T("  Beenden")));
    TCHAR text[64] = {};
    GetMenuString(menu, 2, text, 64, MF_BYPOSITION);
    EXPECT_EQ(_T("  Beenden"), tstring(text));
    EXPECT_EQ(32772u, GetMenuItemID(menu, 2));
    EXPECT_EQ(_T("  Beenden"), MenuItemTextAt(menu, 2));

    Bitmap mark(CreateBitmap(12, 12, 1, 1, nullptr));
    ASSERT_TRUE(SetMenuItemBitmapAt(menu, 0, mark.Get()));
    MENUITEMINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfo(menu, 0, TRUE, &info));
    EXPECT_EQ(mark.Get(), info.hbmpChecked);
    EXPECT_EQ(mark.Get(), info.hbmpUnchecked);
    DestroyMenu(menu);
}

TEST(MessagePump, AQuitMessageIsPutBackForTheRealLoop) {
    PostQuitMessage(5);
    PumpPendingMessages();
    MSG message;
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), message.message);
    EXPECT_EQ(5u, message.wParam);
}
