#include "DialogTestIds.h"
#include "common/LanguageSelection.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {
const TCHAR kSystemDefault[] = _T("System default language");

// A program folder with "config.ini" naming the language file "Testtrl.ini".
class LanguageSelectionTest : public testing::Test {
protected:
    void SetUp() override {
        PowerClass::OverrideProgramFolder(folder.Path());
        files::Write(folder / _T("config.ini"), "Product ID\r\nTest\r\nLanguage\r\n[1033]\r\n");
    }
    void TearDown() override { PowerClass::OverrideProgramFolder(tstring()); }

    void LanguageFile(const std::string& text) { files::Write(folder / _T("Testtrl.ini"), text); }

    // The dialog in one program's form, opened modeless with the stored marker.
    std::unique_ptr<CLanguageSelection> Open(const LanguageDialogIds& ids, const tstring& marker) {
        auto dialog = std::make_unique<CLanguageSelection>(ids);
        dialog->prompt = _T("Bitte w\xE4hlen Sie Ihre Sprache");
        dialog->currentMarker = marker;
        EXPECT_NE(nullptr, dialog->Create());
        return dialog;
    }

    TempFolder folder;
};

const LanguageDialogIds kVerbsmith = {IDD_LANGUAGE_VERBSMITH, 1008, 1024};
const LanguageDialogIds kSlicewise = {IDD_LANGUAGE_SLICEWISE, 1030, 1029};
const LanguageDialogIds kToolcrate = {IDD_LANGUAGE_TOOLCRATE, 1019, 1018};

const char kTwoLanguages[] =
    "[1031]\r\n00001 Bitte w\xE4hlen\r\n00002 Deutsch\r\n00003 Datei\r\n[EOL]\r\n"
    "[1033]\r\n00001 Please select\r\n00002 English\r\n00003 File\r\n[EOL]\r\n";
}  // namespace

TEST_F(LanguageSelectionTest, ListsTheLanguagesAndSelectsTheCurrentOne) {
    LanguageFile(kTwoLanguages);
    auto dialog = Open(kVerbsmith, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    EXPECT_EQ(_T("Language Selection"), ui.Caption());
    EXPECT_EQ(_T("Bitte w\xE4hlen Sie Ihre Sprache"), ui.Text(1008));
    EXPECT_EQ((tstrings{_T("Deutsch"), _T("English")}), ui.ComboItems(1024));
    EXPECT_EQ(1, ui.ComboSelection(1024));
    EXPECT_EQ(_T("English"), ui.Text(1024));
    EXPECT_EQ((tstrings{_T("[1031]"), _T("Deutsch"), _T("[1033]"), _T("English")}), dialog->pairs);

    ui.PickComboText(1024, _T("Deutsch"));
    ui.Click(IDOK);
    EXPECT_TRUE(dialog->Ended());
    EXPECT_EQ(_T("[1031]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, ToolcrateSortsItsListAndUsesItsOwnIds) {
    LanguageFile("[1033]\r\n00001 Please select\r\n00002 English\r\n[EOL]\r\n"
                 "[1036]\r\n00001 Choisissez\r\n00002 Fran\xE7" "ais\r\n[EOL]\r\n"
                 "[1031]\r\n00001 Bitte\r\n00002 Deutsch\r\n[EOL]\r\n");
    auto dialog = Open(kToolcrate, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    EXPECT_EQ(_T("Bitte w\xE4hlen Sie Ihre Sprache"), ui.Text(1019));
    EXPECT_EQ((tstrings{_T("Deutsch"), _T("English"), _T("Fran\xE7" "ais")}), ui.ComboItems(1018));
    EXPECT_EQ(_T("English"), ui.Text(1018));
    EXPECT_EQ(1, ui.ComboSelection(1018));
    // The pairs keep the file's order.
    EXPECT_EQ(_T("[1036]"), dialog->pairs[2]);

    ui.PickComboText(1018, _T("Fran\xE7" "ais"));
    ui.Click(IDOK);
    EXPECT_EQ(_T("[1036]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, EachProgramHasItsTemplate) {
    LanguageFile(kTwoLanguages);
    auto slicewise = Open(kSlicewise, _T("[1031]"));
    DialogDriver ui(slicewise->Handle());
    EXPECT_TRUE(ui.Exists(1030));
    EXPECT_EQ(_T("Deutsch"), ui.Text(1029));
    // The placeholder texts of the templates, before the prompt replaces them.
    Dialog toolcrate(IDD_LANGUAGE_TOOLCRATE);
    ASSERT_NE(nullptr, toolcrate.Create());
    EXPECT_EQ(_T("Please select your language!"), toolcrate.ItemText(1019));
    EXPECT_TRUE(GetWindowLongPtr(toolcrate.Item(1018), GWL_STYLE) & CBS_SORT);
    RECT size = {0, 0, 226, 81};
    MapDialogRect(toolcrate.Handle(), &size);
    RECT client;
    GetClientRect(toolcrate.Handle(), &client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    Dialog verbsmith(IDD_LANGUAGE_VERBSMITH);
    ASSERT_NE(nullptr, verbsmith.Create());
    EXPECT_EQ(_T("Please select your language"), verbsmith.ItemText(1008));
    EXPECT_FALSE(GetWindowLongPtr(verbsmith.Item(1024), GWL_STYLE) & CBS_SORT);
    EXPECT_EQ(_T("OK"), verbsmith.ItemText(IDOK));
}

TEST_F(LanguageSelectionTest, UnlistedMarkerShowsSystemDefaultAndOkChangesNothing) {
    LanguageFile(kTwoLanguages);
    auto dialog = Open(kVerbsmith, _T("[----]"));
    DialogDriver ui(dialog->Handle());
    EXPECT_EQ(kSystemDefault, ui.Text(1024));
    EXPECT_EQ(CB_ERR, ui.ComboSelection(1024));
    ui.Click(IDOK);
    EXPECT_TRUE(dialog->Ended());
    EXPECT_EQ(_T("[----]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, TypedMarkerIsNoName) {
    LanguageFile(kTwoLanguages);
    auto dialog = Open(kSlicewise, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    ui.Type(1029, _T("[1031]"));
    ui.Click(IDOK);
    EXPECT_EQ(_T("[1033]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, NamesCompareExactly) {
    LanguageFile(kTwoLanguages);
    auto dialog = Open(kVerbsmith, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    ui.Type(1024, _T("deutsch"));
    ui.Click(IDOK);
    EXPECT_EQ(_T("[1033]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, TheLaterOfTwoEqualNamesWins) {
    LanguageFile("[1031]\r\n00001 a\r\n00002 Deutsch\r\n[EOL]\r\n"
                 "[2055]\r\n00001 b\r\n00002 Deutsch\r\n[EOL]\r\n"
                 "[1033]\r\n00001 c\r\n00002 English\r\n[EOL]\r\n");
    auto dialog = Open(kVerbsmith, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    ui.PickCombo(1024, 0);
    ui.Click(IDOK);
    EXPECT_EQ(_T("[2055]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, SystemSectionIsListedAndEolIsNoMarker) {
    LanguageFile("[----]\r\n00001 x\r\n00002 Systemsprache\r\n[EOL]\r\n"
                 "[1033]\r\n00001 y\r\n00002 English\r\n[EOL]\r\n");
    auto dialog = Open(kVerbsmith, _T("[----]"));
    DialogDriver ui(dialog->Handle());
    EXPECT_EQ((tstrings{_T("[----]"), _T("Systemsprache"), _T("[1033]"), _T("English")}), dialog->pairs);
    EXPECT_EQ(_T("Systemsprache"), ui.Text(1024));
    EXPECT_EQ(0, ui.ComboSelection(1024));
}

TEST_F(LanguageSelectionTest, MarkerAmongTheLastTwoLinesGivesAnEmptyName) {
    LanguageFile("[1033]\r\n00001 y\r\n00002 English\r\n[EOL]\r\n[1036]\r\n00001 z");
    auto dialog = Open(kVerbsmith, _T("[1033]"));
    EXPECT_EQ((tstrings{_T("[1033]"), _T("English"), _T("[1036]"), _T("")}), dialog->pairs);
    EXPECT_EQ((tstrings{_T("English"), _T("")}), DialogDriver(dialog->Handle()).ComboItems(1024));

    LanguageFile("[1033]\r\n00001 y\r\n00002 English\r\n[EOL]\r\n[1036]");
    auto last = Open(kVerbsmith, _T("[1036]"));
    EXPECT_EQ((tstrings{_T("[1033]"), _T("English"), _T("[1036]"), _T("")}), last->pairs);
}

TEST_F(LanguageSelectionTest, MissingLanguageFileGivesAnEmptyList) {
    auto dialog = Open(kToolcrate, _T("[1033]"));
    DialogDriver ui(dialog->Handle());
    EXPECT_TRUE(ui.ComboItems(1018).empty());
    EXPECT_EQ(kSystemDefault, ui.Text(1018));
    ui.Click(IDOK);
    EXPECT_EQ(_T("[1033]"), dialog->currentMarker);
}

TEST_F(LanguageSelectionTest, ModalRunClosedWithoutOkKeepsTheMarker) {
    LanguageFile(kTwoLanguages);
    for (bool escape : {true, false}) {
        CLanguageSelection dialog(kVerbsmith);
        dialog.currentMarker = _T("[1033]");
        ModalDialogHandler modal;
        modal.Expect([escape](HWND live) {
            DialogDriver ui(live);
            ui.PickComboText(1024, _T("Deutsch"));
            if (escape)
                ui.Command(IDCANCEL);
            else
                ui.Close();
        });
        dialog.DoModal();
        EXPECT_EQ(1, modal.Handled());
        EXPECT_EQ(_T("[1033]"), dialog.currentMarker);
    }
}

TEST_F(LanguageSelectionTest, ModalRunConfirmsThePickedLanguage) {
    LanguageFile(kTwoLanguages);
    CLanguageSelection dialog(kVerbsmith);
    dialog.prompt = _T("Please select your language");
    dialog.currentMarker = _T("[1033]");
    ModalDialogHandler modal;
    modal.Expect([](HWND live) {
        DialogDriver ui(live);
        EXPECT_EQ(_T("English"), ui.Text(1024));
        ui.PickComboText(1024, _T("Deutsch"));
        ui.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(_T("[1031]"), dialog.currentMarker);
}

// The templates give the combo box hardly more height than its edit field;
// the dropped list must still show every language.
TEST_F(LanguageSelectionTest, DroppedListShowsEveryLanguage) {
    LanguageFile("[1031]\r\n1\r\n00002 Deutsch\r\n[1033]\r\n1\r\n00002 English\r\n"
                 "[1034]\r\n1\r\n00002 Espa\xF1ol\r\n[1036]\r\n1\r\n00002 Fran\xE7" "ais\r\n");
    for (const LanguageDialogIds& program : {kVerbsmith, kSlicewise, kToolcrate}) {
        auto dialog = Open(program, _T("[1033]"));
        const HWND combo = dialog->Item(dialog->ComboId());
        SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
        ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        RECT list;
        GetClientRect(info.hwndList, &list);
        const LRESULT itemHeight = SendMessage(combo, CB_GETITEMHEIGHT, 0, 0);
        EXPECT_GE(list.bottom - list.top, 4 * itemHeight) << "template " << program.templateId;
        SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}
