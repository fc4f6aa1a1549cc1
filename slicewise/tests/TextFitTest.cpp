// Every text of the window fits its control, in every language: the window
// with the status lines of a run, and the language dialog.
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "framework/SafeFormat.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include "slicewise/tests/StagedProgram.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TextFit.h"
#include <gtest/gtest.h>

namespace {
class TextFit : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const tstring config = program.folder / _T("config.ini");
        std::string settings = files::Read(config);
        const std::string english = "Language\r\n[1033]\r\n";
        ASSERT_NE(std::string::npos, settings.find(english));
        files::Write(config, settings.replace(settings.find(english), english.size(),
                                              "Language\r\n" + std::string(GetParam()) + "\r\n"));
    }
    RegistrySandbox sandbox;
    StagedProgram program;
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

    CLanguageSelection language(LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO});
    language.prompt = texts.GetText(1);
    ASSERT_NE(nullptr, language.Create());
    textfit::ExpectTextsFit(language.Handle(), where + " language dialog");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         testing::Values("[1033]", "[1031]", "[1034]", "[1043]", "[1036]"));
