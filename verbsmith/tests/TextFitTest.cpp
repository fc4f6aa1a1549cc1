// Every text of the editor's windows fits its control, in every language:
// the main window (and the Activate text of its toggle button), the add and
// edit dialog (and the label of a handler's value), the restore dialog and
// the language dialog.
#include "EditorTestEnvironment.h"
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/TextFit.h"
#include "verbsmith/AddEditDlg.h"
#include "verbsmith/RestoreDlg.h"
#include "verbsmith/VerbsmithDlg.h"
#include "verbsmith/AddEditDlgIds.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/resource.h"

namespace {
class TextFit : public EditorTest, public testing::WithParamInterface<std::string> {};
}  // namespace

TEST_P(TextFit, EveryControlTextFits) {
    SetLanguage(GetParam());
    const std::string where = GetParam();
    CTranslation texts(EditorDialects());
    texts.Load();

    CVerbsmithDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    textfit::ExpectTextFits(main.Item(IDC_TOGGLE), texts.GetText(85), where + " main window");

    AddEditDlg entry;
    ASSERT_NE(nullptr, entry.Create());
    textfit::ExpectTextsFit(entry.Handle(), where + " entry dialog");
    textfit::ExpectTextFits(entry.Item(IDC_VALUE_LABEL), texts.GetText(175), where + " entry dialog");

    RestoreDlg restore;
    ASSERT_NE(nullptr, restore.Create());
    textfit::ExpectTextsFit(restore.Handle(), where + " restore dialog");

    textfit::ExpectLanguageDialogFits(
        LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
        texts.GetText(1), where);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(langfile::ShippedMarkers()));
