// The shipped language file: every language complete for every text the
// editor shows, in the 8-bit form the translator reads.
#include "EditorTestEnvironment.h"
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/resource.h"
#include "framework/testkit/DialogDriver.h"
#include "tests/support/LanguageFileCheck.h"

namespace {

// Every text number the editor's windows and operations use.
const int kUsedTexts[] = {
    1,   5,   15,  20,  25,  27,  28,  30,  35,  40,  45,  50,  55,  60,  65,  70,  75,  80,
    85,  90,  95,  100, 105, 110, 112, 113, 115, 120, 125, 126, 127, 128, 130, 135, 140, 145,
    150, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200, 215, 220, 222, 224, 226, 250, 255,
    260, 265, 400, 405, 410, 415, 420, 421, 422, 423, 425, 430, 435, 436, 440, 441, 442, 443,
    444, 450, 455, 460, 465, 470, 475, 480, 485, 490, 495, 500, 505, 510, 515, 520, 600,
    601, 602, 603, 650, 651, 652, 653, 654, 655, 656, 657, 658, 659, 660, 661, 662, 663, 664, 665, 670, 671,
    672, 673, 674, 675, 676, 677};

std::string ShippedFile() {
    return files::Read(SourceFile(VERBSMITH_SOURCES, _T("Verbsmithtrl.ini")));
}

}  // namespace

TEST(LanguageFile, IsLatin1WithCrLfLineEnds) { langfile::ExpectLatin1WithCrLf(ShippedFile()); }

TEST(LanguageFile, FiveLanguagesEachWithEveryTextOnce) {
    const std::string bytes = ShippedFile();
    EXPECT_EQ(langfile::kShippedLanguages, langfile::LanguageNames(bytes));
    const auto sections = langfile::Sections(bytes);
    ASSERT_TRUE(sections.count("[1033]"));
    const langfile::Entries& en = sections.at("[1033]");
    for (int number : kUsedTexts)
        EXPECT_TRUE(en.count(number) && !en.at(number).empty()) << "English lacks " << number;
    langfile::ExpectEveryTextOfEnglish(sections);
    // The count line is formatted with one number.
    EXPECT_EQ(std::vector<std::string>{"%d"}, langfile::Placeholders(en.at(65)));
}

// Alt and a letter in the main window goes to the first button with that
// mnemonic before the menu bar, so the buttons (in either state of the
// Deactivate/Activate button) and the menu titles need letters of their own;
// so do the items of each menu and the buttons of the add and edit dialog
// and of the restore dialog.
TEST(LanguageFile, AccessKeysAreUniqueInEveryMenuAndDialog) {
    const std::vector<std::vector<int>> groups = {
        {75, 80, 90, 95, 200, 222, 250}, {75, 85, 90, 95, 200, 222, 250},
        {215, 220}, {95, 224, 226, 651}, {255, 260, 265},
        {415, 421, 422, 423, 430, 435}, {658, 659}};
    for (const auto& section : langfile::Sections(ShippedFile()))
        langfile::ExpectOwnMnemonics(section.second, groups, section.first);
}

class DialectFolding : public EditorTest {};

TEST_F(DialectFolding, TheShippedSettingsFoldEveryRegionalVariant) {
    SetLanguage("[----]");
    langfile::ExpectRegionalVariantsFold(
        [] {
            CTranslation texts(EditorDialects());
            texts.Load();
            return texts.GetText(2);
        },
        {1031, 1034, 1043, 1036});
}

class LanguageDialog : public EditorTest {};

TEST_F(LanguageDialog, ListsTheFiveLanguagesAndShowsTheStoredOne) {
    CLanguageSelection dialog(LanguageDialogIds{IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO});
    dialog.currentMarker = _T("[1036]");
    ASSERT_NE(nullptr, dialog.Create());
    DialogDriver ui(dialog.Handle());
    EXPECT_EQ(langfile::ShippedNames(), ui.ComboItems(IDC_LANGUAGE_COMBO));
    EXPECT_EQ(langfile::ShippedNames()[4], ui.Text(IDC_LANGUAGE_COMBO));
}
