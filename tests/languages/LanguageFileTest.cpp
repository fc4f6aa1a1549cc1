// The shipped language files of the three programs, read byte for byte:
// 8-bit Latin-1 with CR LF, well-formed sections, the five languages each
// with every text of English, every text a program shows, access keys of
// their own and placeholders as English has them.
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/ProgramFolder.h"
#include "toolcrate/core/LauncherTexts.h"
#include "toolcrate/core/SuiteModule.h"
#include "verbsmith/core/EditorTexts.h"
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <tuple>

namespace {
struct ShippedFile {
    const char* program;   // names the test case
    const char* sources;
    const TCHAR* name;
    // Every number the program shows; the file holds no other when only.
    std::vector<int> used;
    bool only;
    // Texts that share one Alt key space: a menu, a dialog, a window's
    // buttons with the menu titles (Alt and a letter reaches the first
    // button with it before the menu bar).
    std::vector<std::vector<int>> accessKeyGroups;
    // English texts formatted with the given placeholders (the other
    // languages must have the same as English).
    std::vector<std::pair<int, std::vector<std::string>>> placeholders;
    // Texts written with accented letters, as single Latin-1 bytes.
    std::vector<std::tuple<std::string, int, std::string>> samples;
};

// Test names and failures name the program, not the row's bytes.
void PrintTo(const ShippedFile& file, std::ostream* out) { *out << file.program; }

std::vector<int> ModuleMenuTexts() {
    std::vector<int> numbers;
    for (const SuiteModule& module : SuiteModules)
        numbers.push_back(module.menuText);
    return numbers;
}

std::vector<int> LauncherTexts() {
    std::vector<int> numbers = {1,   5,   10,  11,  12,  20,  22,  30,  32,  80,  82,  110, 115,
                                116, 117, 195, 196, 197, 200, 202, 205, 210, 245, 250, 255, 260};
    for (const SuiteModule& module : SuiteModules)
        numbers.insert(numbers.end(),
                       {module.caption, module.menuText, module.hoverFirst, module.hoverSecond});
    return numbers;
}

const std::vector<ShippedFile>& ShippedFiles() {
    static const std::vector<ShippedFile> files = {
        {"Verbsmith", VERBSMITH_SOURCES, _T("Verbsmithtrl.ini"),
         {1,   5,   15,  20,  21,  22,  23,  25,  26,  27,  28,  30,  35,  40,  45,  50,  55,  60,  65,  70,  75,
          80,  85,  90,  95,  100, 105, 110, 112, 113, 115, 120, 125, 126, 127, 128, 130, 135,
          140, 145, 150, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200, 215, 220, 222, 224,
          226, 250, 255, 260, 265, 400, 405, 410, 415, 420, 421, 422, 423, 425, 430, 435, 436,
          440, 441, 442, 443, 444, 445, 450, 455, 460, 465, 470, 475, 480, 485, 490, 495, 500, 505,
          510, 515, 520, 600, 601, 602, 603, 650, 651, 652, 653, 654, 655, 656, 657, 658, 659,
          660, 661, 662, 663, 664, 665, 670, 671, 672, 673, 674, 675, 676, 677, 680, 681, 682, 690, 691, 692,
          700, 701, 702, 705, 706, 710, 711, 712, 713, 714, 715, 716, 717, 720, 721, 722, 723, 724},
         false,
         // The window's controls in either state of Deactivate/Activate with the
         // menu titles; each menu, the list's row menu in either state; the add
         // and edit dialog; the restore dialog.
         {{70, 705, 75, 80, 90, 95, 200, 222, 250}, {70, 705, 75, 85, 90, 95, 200, 222, 250},
          {215, 220}, {95, 224, 226, 651, 695, 720}, {255, 260, 265}, {90, 80, 75, 724}, {90, 85, 75, 724},
          {400, 405, 410, 175, 180, 445, 415, 421, 422, 423, 420, 430, 435, 680, 681, 682, 440},
          {658, 659}},
         {{texts::kCountLine, {"%d"}}, {texts::kFilteredCountLine, {"%d", "%d"}}, {texts::kBackAgainQuestion, {"%d"}},
          {texts::kBackAgainDone, {"%d", "%d"}}, {texts::kHandlerFileLine, {"%s"}},
          {texts::kHandlerFileAboutLine, {"%s", "%s"}}, {texts::kHandlerVersion, {"%s"}},
          {texts::kHandlerFileMissingLine, {"%s"}}, {texts::kClassNotRegisteredLine, {"%s"}},
          {texts::kNoHandlerFileLine, {"%s"}}},
         {}},
        {"Slicewise", SLICEWISE_SOURCES, _T("Slicewisetrl.ini"),
         {1,   2,   5,   10,  15,  20,  25,  30,  35,  40,  45,  50,  55,  60,  65,  70,
          75,  80,  85,  90,  105, 110, 115, 120, 121, 122, 125, 130, 135, 140, 141, 145, 146,
          150, 152, 153, 155, 160, 161, 165, 166, 167, 168, 169, 170, 171, 172, 173, 200,
          215, 220, 250, 255, 260, 265, 300, 301, 302, 303, 310, 311, 320, 321, 340, 341,
          342, 344, 350, 351, 352},
         true,
         // The window's controls with the menu titles, and during a run the
         // running command's Stop button with them (the rest is disabled then);
         // each menu.
         {{20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 122, 200, 250},
          {341, 200, 250}, {215, 220}, {255, 260, 265}},
         {},
         {{"[1031]", 1, "Bitte w\xE4hlen Sie Ihre Sprache:"}}},
        {"Toolcrate", TOOLCRATE_SOURCES, _T("toolcratetrl.ini"), LauncherTexts(), false,
         // The menu titles (the window's buttons and captions have no access
         // keys); each menu.
         {{200, 210, 245}, {202, 205}, ModuleMenuTexts(), {250, 255, 260}},
         {{launchertext::kStartFailed, {"%s"}}, {launchertext::kNotMarked, {"%s"}}},
         {{"[1031]", 260, "\xDC&ber Toolcrate"}, {"[1031]", 197, "M\xF6" "chten Sie fortfahren?"}}},
    };
    return files;
}

class LanguageFile : public testing::TestWithParam<ShippedFile> {
protected:
    const std::string bytes = files::Read(SourceFile(GetParam().sources, GetParam().name));
    const std::map<std::string, langfile::Entries> sections = langfile::Sections(bytes);
};
}  // namespace

TEST_P(LanguageFile, IsLatin1WithCrLfAndWellFormedSections) {
    langfile::ExpectLatin1WithCrLf(bytes);
    langfile::ExpectSectionsWellFormed(bytes);
}

TEST_P(LanguageFile, FiveLanguagesEachWithEveryTextOfEnglish) {
    EXPECT_EQ(langfile::kShippedLanguages, langfile::LanguageNames(bytes));
    langfile::ExpectEveryTextOfEnglish(sections);
}

TEST_P(LanguageFile, EnglishHasEveryTextTheProgramShows) {
    ASSERT_TRUE(sections.count("[1033]"));
    const langfile::Entries& english = sections.at("[1033]");
    for (int number : GetParam().used)
        EXPECT_TRUE(english.count(number) && !english.at(number).empty()) << "text " << number;
    if (GetParam().only) {
        EXPECT_EQ(std::set<int>(GetParam().used.begin(), GetParam().used.end()),
                  langfile::Numbers(english));
    }
}

TEST_P(LanguageFile, AccessKeysAreUniqueInEveryGroup) {
    for (const auto& section : sections)
        langfile::ExpectOwnMnemonics(section.second, GetParam().accessKeyGroups, section.first);
}

TEST_P(LanguageFile, FormattedTextsHaveTheirPlaceholders) {
    ASSERT_TRUE(sections.count("[1033]"));
    for (const auto& text : GetParam().placeholders) {
        ASSERT_TRUE(sections.at("[1033]").count(text.first)) << text.first;
        EXPECT_EQ(text.second, langfile::Placeholders(sections.at("[1033]").at(text.first)))
            << text.first;
    }
}

TEST_P(LanguageFile, AccentedLettersAreSingleLatin1Bytes) {
    for (const auto& sample : GetParam().samples) {
        const auto section = sections.find(std::get<0>(sample));
        ASSERT_NE(sections.end(), section) << std::get<0>(sample);
        const auto text = section->second.find(std::get<1>(sample));
        ASSERT_NE(section->second.end(), text) << std::get<1>(sample);
        EXPECT_EQ(std::get<2>(sample), text->second);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, LanguageFile, testing::ValuesIn(ShippedFiles()),
                         [](const testing::TestParamInfo<ShippedFile>& info) {
                             return std::string(info.param.program);
                         });

// What the checks above add for files edited by hand, caught where it is.
TEST(LanguageFileCheck, ReportsAByteOrderMarkControlBytesAndABareCarriageReturn) {
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("\xEF\xBB\xBF[1033]\r\n"),
                            "UTF-8 byte order mark");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("00001 a\tb\r\n"), "control byte 9 at 7");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("00001 a\r00002 b\r\n"), "bare CR at 7");
}

TEST(LanguageFileCheck, ReportsSectionsThatAreNotWellFormed) {
    const std::string start = "[1033]\r\n00001 Pick\r\n00002 English\r\n";
    langfile::ExpectSectionsWellFormed("header\r\n\r\n" + start + "00010 \r\n[EOL]\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {start + "[1031]\r\n00001 W\r\n00002 Deutsch\r\n[EOL]\r\n", "[1033] has no [EOL] before [1031]"},
        {start, "[1033] has no [EOL] before the end of the file"},
        {"[1033]\r\n00002 English\r\n00001 Pick\r\n[EOL]\r\n", "[1033] does not begin with texts 1 and 2"},
        {start + "0003 x\r\n[EOL]\r\n", "[1033] line 4 \"0003 x\" is not five digits"},
        {start + "00003:x\r\n[EOL]\r\n", "[1033] line 4 \"00003:x\" is not five digits"},
        {start + "[EOL]\r\n[EOL]\r\n", "[EOL] outside a section, line 5"}};
    for (const auto& broken : cases)
        EXPECT_NONFATAL_FAILURE(langfile::ExpectSectionsWellFormed(broken.first), broken.second);
}
