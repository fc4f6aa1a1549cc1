// Every text of the window fits its control, in every language: the window
// with the status lines of a run, and the language dialog.
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "framework/SafeFormat.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/TextFit.h"
#include <gtest/gtest.h>

namespace {
class TextFit : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override { program.SetLanguage(GetParam()); }
    RegistrySandbox sandbox;
    ProgramFolder program{SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    RecordingUi ui;
};
}  // namespace

TEST_P(TextFit, EveryControlTextFits) {
    const std::string where = GetParam();
    CTranslation texts(SlicewiseDialects());
    texts.Load();

    CSlicewiseDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    // The longest a run's steps get: part numbers have five digits.
    for (int step : {135, 145, 146, 155, 160, 161})
        textfit::ExpectTextFits(main.Item(IDC_STATUS), FormatText(texts.GetText(step), {99999, 100}),
                                where + " status line");
    textfit::ExpectTextFits(main.Item(IDC_PROGRESS_TEXT),
                            FormatText(texts.GetText(344), {_T("9,999.9"), _T("99:59:59")}),
                            where + " progress line");

    textfit::ExpectLanguageDialogFits(
        LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
        texts.GetText(1), where);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(langfile::ShippedMarkers()));
