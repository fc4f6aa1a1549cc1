// The shipped language file: every language complete, 8-bit Latin-1 text.
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include "framework/testkit/DialogDriver.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {
// Every text the window and the Divide and Merge commands ask for.
const int kUsedTexts[] = {1,   2,   5,   10,  15,  20,  25,  30,  35,  40,  45,  50,  55,
                          60,  65,  70,  75,  80,  85,  90,  105, 110, 115, 120, 125, 130,
                          135, 140, 141, 145, 146, 150, 152, 153, 155, 160, 161, 165, 166,
                          167, 168, 169, 170, 171, 172, 173, 200, 215, 220, 250, 255, 260, 265,
                          300, 301, 302, 303, 340, 341, 342, 344};

std::string ShippedFile() {
    return files::Read(SourceFile(SLICEWISE_SOURCES, _T("Slicewisetrl.ini")));
}
}  // namespace

TEST(LanguageFile, AccessKeysAreUniqueInTheWindowAndEachMenu) {
    // In the window, Alt and a letter goes to the first control with that
    // mnemonic before the menu bar: buttons, radios and the menu titles
    // (200, 250) each need a letter of their own; so do the items of a menu.
    const std::vector<std::vector<int>> groups = {
        {25, 35, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 200, 250}, {215, 220}, {255, 260, 265}};
    for (const auto& section : langfile::Sections(ShippedFile()))
        langfile::ExpectOwnMnemonics(section.second, groups, section.first);
}

TEST(LanguageFile, FiveLanguagesEachWithEveryTextAndNoOther) {
    const std::string file = ShippedFile();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(langfile::kShippedLanguages, langfile::LanguageNames(file));
    const auto sections = langfile::Sections(file);
    const std::set<int> used(std::begin(kUsedTexts), std::end(kUsedTexts));
    ASSERT_TRUE(sections.count("[1033]"));
    EXPECT_EQ(used, langfile::Numbers(sections.at("[1033]")));
    langfile::ExpectEveryTextOfEnglish(sections);
}

TEST(LanguageFile, IsLatin1WithCrLfAndTheLanguageNamesInTheirPlace) {
    const std::string file = ShippedFile();
    langfile::ExpectLatin1WithCrLf(file);
    // The language dialog lists the text two lines below each marker.
    EXPECT_NE(std::string::npos, file.find("[1033]\r\n00001 Please select your language:\r\n00002 English\r\n"));
    EXPECT_NE(std::string::npos, file.find("[1031]\r\n00001 Bitte w\xE4hlen Sie Ihre Sprache:\r\n00002 Deutsch\r\n"));
}

TEST(LanguageFile, TheShippedSettingsFoldEveryRegionalVariant) {
    RegistrySandbox sandbox;
    ProgramFolder program{SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    program.SetLanguage("[----]");
    langfile::ExpectRegionalVariantsFold(
        [] {
            CTranslation texts(SlicewiseDialects());
            texts.Load();
            return texts.GetText(2);
        },
        {1031, 1034, 1043, 1036});
}

TEST(LanguageFile, TheLanguageDialogListsTheFiveLanguagesAndShowsTheStoredOne) {
    ProgramFolder program{SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    CLanguageSelection dialog(LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO});
    dialog.currentMarker = _T("[1043]");
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver ui(dialog.Handle());
    EXPECT_EQ(langfile::ShippedNames(), ui.ComboItems(IDC_LANGUAGE_COMBO));
    EXPECT_EQ(langfile::ShippedNames()[3], ui.Text(IDC_LANGUAGE_COMBO));
}
