#include "ExchangeDialog.h"
#include "framework/ProgramName.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/RecordingUi.h"
#include <gtest/gtest.h>

namespace {
tstring ItemText(HWND dialog, int id) {
    TCHAR text[256] = {};
    GetDlgItemText(dialog, id, text, 256);
    return text;
}

class DataExchangeTest : public testing::Test {
protected:
    void SetUp() override {
        SetProgramName(_T("Slicewise"));
        ASSERT_NE(nullptr, dialog.Create());
    }
    void TearDown() override { SetProgramName(tstring()); }

    RecordingUi ui;
    ExchangeDialog dialog;
    DialogDriver driver{nullptr};
    HWND Handle() const { return dialog.Handle(); }
};
}  // namespace

TEST(IntegerRule, AcceptsBlanksAroundASignedNumberWithinRange) {
    const struct {
        const TCHAR* text;
        int value;
    } good[] = {{_T("42"), 42},           {_T("  42\t "), 42},  {_T("+7"), 7},
                {_T("-0"), 0},            {_T("007"), 7},       {_T("2147483647"), 2147483647},
                {_T(" -2147483648"), INT_MIN}};
    for (const auto& c : good) {
        int value = -1;
        EXPECT_TRUE(DataExchange::ParseInt(c.text, value)) << testing::PrintToString(tstring(c.text));
        EXPECT_EQ(c.value, value);
    }
    const TCHAR* bad[] = {_T(""),   _T("  "),        _T("12abc"),       _T("abc"),
                          _T("-"),  _T("- 5"),       _T("1 2"),         _T("0x10"),
                          _T("--1"), _T("2147483648"), _T("-2147483649"), _T("99999999999999999999"),
                          _T("1.5")};
    for (const TCHAR* text : bad) {
        int value = 5;
        EXPECT_FALSE(DataExchange::ParseInt(text, value)) << testing::PrintToString(tstring(text));
        EXPECT_EQ(5, value);
    }
}

TEST_F(DataExchangeTest, ValuesGoIntoTheControls) {
    // Create ran the initial exchange into the controls.
    EXPECT_EQ(_T("first"), ItemText(Handle(), IDC_NAME));
    EXPECT_EQ(_T("7"), ItemText(Handle(), IDC_AMOUNT));
    EXPECT_EQ(_T("3"), ItemText(Handle(), IDC_COUNT));
    // Index 2 of the group is the third radio button: the label between is no member.
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Handle(), IDC_UNIT_A));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Handle(), IDC_UNIT_B));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(Handle(), IDC_UNIT_C));
    // The check box starts a group of its own: the unit group never touches it.
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Handle(), IDC_KEEP));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(Handle(), IDC_MODE_X));
    // "deu" selects the first item that begins with it, whatever its case.
    EXPECT_EQ(1, SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(_T("Deutsch"), ItemText(Handle(), IDC_LANGUAGE));
}

TEST_F(DataExchangeTest, ComboTextWithoutMatchStandsInTheEditField) {
    dialog.language = _T("Fran\xE7" "ais");
    dialog.UpdateData(false);
    EXPECT_EQ(CB_ERR, SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(_T("Fran\xE7" "ais"), ItemText(Handle(), IDC_LANGUAGE));
    dialog.language = _T("ENGLISH");
    dialog.UpdateData(false);
    EXPECT_EQ(0, SendDlgItemMessage(Handle(), IDC_LANGUAGE, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(_T("English"), ItemText(Handle(), IDC_LANGUAGE));
}

TEST_F(DataExchangeTest, ControlsGoIntoTheValues) {
    SetDlgItemText(Handle(), IDC_NAME, _T("second name"));
    SetDlgItemText(Handle(), IDC_AMOUNT, _T(" -250 "));
    CheckRadioButton(Handle(), IDC_UNIT_A, IDC_UNIT_C, IDC_UNIT_B);
    CheckRadioButton(Handle(), IDC_MODE_X, IDC_MODE_Y, IDC_MODE_Y);
    SetDlgItemText(Handle(), IDC_LANGUAGE, _T("typed text"));
    SetDlgItemText(Handle(), IDC_COUNT, _T("12"));
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(_T("second name"), dialog.name);
    EXPECT_EQ(-250, dialog.size);
    EXPECT_EQ(1, dialog.unit);
    EXPECT_EQ(1, dialog.mode);
    EXPECT_EQ(_T("typed text"), dialog.language);
    EXPECT_EQ(12, dialog.count);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataExchangeTest, NoRadioCheckedGivesMinusOne) {
    for (int id : {IDC_UNIT_A, IDC_UNIT_B, IDC_UNIT_C})
        CheckDlgButton(Handle(), id, BST_UNCHECKED);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(-1, dialog.unit);
}

TEST_F(DataExchangeTest, IntegerCheckTellsKeepsTheValueAndFocusesTheControl) {
    SetDlgItemText(Handle(), IDC_NAME, _T("taken before"));
    SetDlgItemText(Handle(), IDC_AMOUNT, _T("12abc"));
    SetDlgItemText(Handle(), IDC_COUNT, _T("99"));
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(_T("Please enter an integer."), ui.messages[0].text);
    EXPECT_EQ(_T("Slicewise"), ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), ui.messages[0].type);
    EXPECT_EQ(Handle(), ui.messages[0].owner);
    EXPECT_EQ(7, dialog.size);
    EXPECT_EQ(GetDlgItem(Handle(), IDC_AMOUNT), GetFocus());
    // Exchanged before the failure: taken; after it: skipped.
    EXPECT_EQ(_T("taken before"), dialog.name);
    EXPECT_EQ(3, dialog.count);
}

TEST_F(DataExchangeTest, OverflowFailsLikeAnyOtherNonInteger) {
    SetDlgItemText(Handle(), IDC_AMOUNT, _T("2147483648"));
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(1u, ui.messages.size());
    EXPECT_EQ(7, dialog.size);
}
