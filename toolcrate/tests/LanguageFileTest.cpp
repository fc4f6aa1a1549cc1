#include <gtest/gtest.h>
#include "toolcrate/core/LauncherTexts.h"
#include "tests/support/ProgramFolder.h"
#include "toolcrate/core/ModuleLauncher.h"
#include "toolcrate/core/SuiteModule.h"
#include <algorithm>
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "toolcrate/resource.h"
#include "framework/testkit/DialogDriver.h"
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

namespace {

const TCHAR kLanguageFileName[] = _T("toolcratetrl.ini");

std::string Narrow(const tstring& text) { return std::string(text.begin(), text.end()); }

// Every number the launcher shows: the window's own and the module table's.
std::vector<int> UsedNumbers() {
    std::vector<int> numbers = {1,   5,   10,  11,  12,  20,  22,  30,  32,  80,  82,  110, 115,
                                116, 117, 195, 196, 197, 200, 202, 205, 210, 245, 250, 255, 260};
    for (const SuiteModule& module : SuiteModules)
        numbers.insert(numbers.end(),
                       {module.caption, module.menuText, module.hoverFirst, module.hoverSecond});
    return numbers;
}

class LanguageFileTest : public testing::TestWithParam<const char*> {
protected:
    void Load(const tstring& marker) {
        folder.SetLanguage(std::string(marker.begin(), marker.end()));
        texts.Load();
    }
    ProgramFolder folder{TOOLCRATE_SOURCES, kLanguageFileName};
    CTranslation texts{LauncherDialects()};
};

}  // namespace

// The wide programs read each byte as the character of the same code, so the
// file must be Latin-1 proper: no C1 control bytes, lines ending in CR LF.
TEST(LanguageFile, IsLatin1WithCrLf) {
    langfile::ExpectLatin1WithCrLf(files::Read(SourceFile(TOOLCRATE_SOURCES, kLanguageFileName)));
}

// The language dialog takes the name from the second line after the marker.
TEST(LanguageFile, SecondLineAfterEachMarkerNamesTheLanguage) {
    EXPECT_EQ(langfile::kShippedLanguages,
              langfile::LanguageNames(files::Read(SourceFile(TOOLCRATE_SOURCES, kLanguageFileName))));
}

// Every language has the numbers of English, filled in and formatted alike.
TEST(LanguageFile, EveryLanguageHasEveryTextOfEnglish) {
    langfile::ExpectEveryTextOfEnglish(
        langfile::Sections(files::Read(SourceFile(TOOLCRATE_SOURCES, kLanguageFileName))));
}

TEST_P(LanguageFileTest, EverySectionHasEveryText) {
    Load(_T("[") + tstring(GetParam(), GetParam() + 4) + _T("]"));
    for (int number : UsedNumbers())
        EXPECT_FALSE(texts.GetText(number).empty()) << "text " << number;
}

// A letter shared by two entries of one menu only moves between them: the
// key no longer chooses the entry.
TEST_P(LanguageFileTest, MenuMnemonicsAreUniqueWithinEachMenu) {
    Load(_T("[") + tstring(GetParam(), GetParam() + 4) + _T("]"));
    std::vector<int> modules;
    for (const SuiteModule& module : SuiteModules)
        modules.push_back(module.menuText);
    const std::vector<std::vector<int>> menus = {
        {200, 210, 245}, {202, 205}, modules, {250, 255, 260}};
    for (const std::vector<int>& menu : menus) {
        langfile::Entries entries;
        for (int number : menu)
            entries[number] = Narrow(texts.GetText(number));
        langfile::ExpectOwnMnemonics(entries, std::string("[") + GetParam() + "] menu");
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, LanguageFileTest,
                         testing::Values("1033", "1031", "1034", "1043", "1036"));

TEST_F(LanguageFileTest, GermanUmlautsAreSingleLatin1Bytes) {
    Load(_T("[1031]"));
    EXPECT_EQ("&Sprachauswahl", Narrow(texts.GetText(202)));
    EXPECT_EQ("\xDC&ber Toolcrate", Narrow(texts.GetText(260)));   // U umlaut
    EXPECT_EQ("M\xF6" "chten Sie fortfahren?", Narrow(texts.GetText(197)));
}

// The launcher's messages name the program or module through one "%s" (the
// other languages format as English does).
TEST_F(LanguageFileTest, LaunchMessagesHaveOnePlaceholder) {
    Load(_T("[1033]"));
    for (int number : {ModuleLauncher::kStartFailedText, ModuleLauncher::kNotMarkedText})
        EXPECT_EQ(std::vector<std::string>{"%s"},
                  langfile::Placeholders(Narrow(texts.GetText(number))))
            << number;
}

// Toolcrate folds German and French regional variants only.
TEST_F(LanguageFileTest, TheShippedSettingsFoldGermanAndFrenchVariants) {
    RegistrySandbox sandbox;
    Load(_T("[----]"));
    langfile::ExpectRegionalVariantsFold(
        [this] {
            texts.Load();
            return texts.GetText(2);
        },
        {1031, 1036});
}

// The launcher's list is sorted.
TEST_F(LanguageFileTest, TheLanguageDialogListsTheFiveLanguagesAndShowsTheStoredOne) {
    Load(_T("[1034]"));
    CLanguageSelection dialog(LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO});
    dialog.currentMarker = _T("[1034]");
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver ui(dialog.Handle());
    tstrings sorted = langfile::ShippedNames();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, ui.ComboItems(IDC_LANGUAGE_COMBO));
    EXPECT_EQ(langfile::ShippedNames()[2], ui.Text(IDC_LANGUAGE_COMBO));
}
