// A program's texts as it shows them, in every shipped language: each text
// fits its control, the shipped settings fold every regional variant onto
// its main language, and the language dialog lists the five languages.
#include "tests/languages/ProgramTexts.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/RecordingUi.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/MachineClassesSandbox.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TextFit.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
class ProgramTextsTest : public testing::Test {
protected:
    MachineClassesSandbox sandbox;
    ProgramFolder program{ThisProgram().sources, ThisProgram().languageFile};
    RecordingUi ui;
};

class TextFit : public ProgramTextsTest, public testing::WithParamInterface<std::string> {};
}  // namespace

TEST_P(TextFit, EveryControlTextFits) {
    program.SetLanguage(GetParam());
    CTranslation texts(ThisProgram().dialects);
    texts.Load();
    ThisProgram().expectWindowsFit(texts, GetParam());
    textfit::ExpectLanguageDialogFits(ThisProgram().languageDialog, texts.GetText(1), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(langfile::ShippedMarkers()));

TEST_F(ProgramTextsTest, TheShippedSettingsFoldEveryRegionalVariant) {
    program.SetLanguage("[----]");
    langfile::ExpectRegionalVariantsFold(
        [] {
            CTranslation texts(ThisProgram().dialects);
            texts.Load();
            return texts.GetText(2);
        },
        ThisProgram().folds);
}

TEST_F(ProgramTextsTest, TheLanguageDialogListsTheFiveLanguagesAndShowsTheStoredOne) {
    const tstrings names = langfile::ShippedNames();
    tstrings listed = names;
    if (ThisProgram().sortsLanguages)
        std::sort(listed.begin(), listed.end());
    const std::vector<std::string> markers = langfile::ShippedMarkers();
    for (size_t stored = 0; stored < markers.size(); ++stored) {
        CLanguageSelection dialog(ThisProgram().languageDialog);
        dialog.currentMarker = tstring(markers[stored].begin(), markers[stored].end());
        ASSERT_NE(nullptr, dialog.Create());
        const DialogDriver driver(dialog.Handle());
        EXPECT_EQ(listed, driver.ComboItems(ThisProgram().languageDialog.combo));
        EXPECT_EQ(names[stored], driver.Text(ThisProgram().languageDialog.combo)) << markers[stored];
    }
}
