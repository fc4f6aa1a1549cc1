#include <gtest/gtest.h>
#include "StagedFiles.h"
#include "ModuleLauncher.h"
#include "SuiteModule.h"
#include <algorithm>
#include <cctype>
#include <set>
#include "common/Translation.h"
#include "tests/support/TempFolder.h"

namespace {

std::string Narrow(const tstring& text) { return std::string(text.begin(), text.end()); }

// Every number the launcher shows: the window's own and the module table's.
std::vector<int> UsedNumbers() {
    std::vector<int> numbers = {1,   5,   10,  11,  12,  20,  22,  30,  32,  80,  82,  110, 115,
                                116, 195, 196, 197, 200, 202, 205, 210, 245, 250, 255, 260};
    for (const SuiteModule& module : SuiteModules)
        numbers.insert(numbers.end(),
                       {module.caption, module.menuText, module.hoverFirst, module.hoverSecond});
    return numbers;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

class LanguageFileTest : public testing::TestWithParam<const char*> {
protected:
    ~LanguageFileTest() override { PowerClass::OverrideProgramFolder(_T("")); }
    void Load(const tstring& marker) {
        StageLauncherFiles(folder.Path(), marker);
        PowerClass::OverrideProgramFolder(folder.Path());
        texts.Load();
    }
    TempFolder folder;
    CTranslation texts{CTranslation::LauncherDialects()};
};

}  // namespace

// The wide programs read each byte as the character of the same code, so the
// file must be Latin-1 proper: no C1 control bytes, lines ending in CR LF.
TEST(LanguageFile, IsLatin1WithCrLf) {
    const std::string bytes = files::Read(SourceFile(kLanguageFileName));
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = bytes[i];
        EXPECT_FALSE(c >= 0x80 && c <= 0x9F) << "byte " << int(c) << " at " << i;
        if (c == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
}

// The language dialog takes the name from the second line after the marker.
TEST(LanguageFile, SecondLineAfterEachMarkerNamesTheLanguage) {
    const std::vector<std::string> lines = Lines(files::Read(SourceFile(kLanguageFileName)));
    std::vector<std::string> names;
    for (size_t i = 0; i + 2 < lines.size(); ++i)
        if (lines[i].size() == 6 && lines[i][0] == '[')
            names.push_back(lines[i] + lines[i + 2].substr(6));
    EXPECT_EQ((std::vector<std::string>{"[1033]English", "[1031]Deutsch"}), names);
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
        std::set<int> letters;
        for (int number : menu) {
            const tstring text = texts.GetText(number);
            const size_t amp = text.find(_T('&'));
            if (amp == tstring::npos || amp + 1 >= text.size())
                continue;
            const int letter = std::toupper(static_cast<unsigned char>(text[amp + 1]));
            EXPECT_TRUE(letters.insert(letter).second)
                << "text " << number << ": " << Narrow(text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, LanguageFileTest, testing::Values("1033", "1031"));

TEST_F(LanguageFileTest, GermanUmlautsAreSingleLatin1Bytes) {
    Load(_T("[1031]"));
    EXPECT_EQ("&Sprachauswahl", Narrow(texts.GetText(202)));
    EXPECT_EQ("\xDC&ber Toolcrate", Narrow(texts.GetText(260)));   // U umlaut
    EXPECT_EQ("M\xF6" "chten Sie fortfahren?", Narrow(texts.GetText(197)));
}

// The start failure names the program through one "%s".
TEST_F(LanguageFileTest, StartFailureTextHasOnePlaceholder) {
    for (const TCHAR* marker : {_T("[1033]"), _T("[1031]")}) {
        Load(marker);
        const tstring text = texts.GetText(ModuleLauncher::kStartFailedText);
        EXPECT_EQ(1u, std::count(text.begin(), text.end(), _T('%'))) << Narrow(marker);
        EXPECT_NE(tstring::npos, text.find(_T("%s")));
    }
}
