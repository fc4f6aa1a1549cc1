// Every text of the launcher fits its control, in every language: the
// window with each description the mouse can bring up, and the language
// dialog.
#include <gtest/gtest.h>
#include "tests/support/ProgramFolder.h"
#include "toolcrate/core/LauncherTexts.h"
#include "toolcrate/core/SuiteModule.h"
#include "toolcrate/ToolcrateDlg.h"
#include "toolcrate/resource.h"
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "framework/testkit/RecordingUi.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/TextFit.h"

namespace {
class TextFit : public testing::TestWithParam<std::string> {
protected:
    RegistrySandbox sandbox;
    ProgramFolder folder{TOOLCRATE_SOURCES, _T("toolcratetrl.ini"), GetParam()};
    RecordingUi ui;
};
}  // namespace

TEST_P(TextFit, EveryControlTextFits) {
    const std::string where = GetParam();
    CTranslation texts(LauncherDialects());
    texts.Load();

    CToolcrateDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    std::vector<std::pair<int, int>> descriptions = {{20, 22}, {30, 32}, {80, 82}};
    for (const SuiteModule& module : SuiteModules)
        descriptions.emplace_back(module.hoverFirst, module.hoverSecond);
    for (const auto& lines : descriptions)
        textfit::ExpectTextFits(main.Item(IDC_DESCRIPTION),
                                texts.GetText(lines.first) + _T("\n") + texts.GetText(lines.second),
                                where + " description");

    textfit::ExpectLanguageDialogFits(
        LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
        texts.GetText(1), where);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(langfile::ShippedMarkers()));
