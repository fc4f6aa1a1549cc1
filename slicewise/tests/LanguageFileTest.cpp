// The shipped language file: both languages complete, 8-bit Latin-1 text.
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {
// Every text the window and the Divide and Merge commands ask for.
const int kUsedTexts[] = {1,   2,   5,   10,  15,  20,  25,  30,  35,  40,  45,  50,  55,
                          60,  65,  70,  75,  80,  85,  90,  105, 110, 115, 120, 125, 130,
                          135, 140, 141, 145, 146, 150, 152, 153, 155, 160, 161, 165, 166,
                          167, 200, 215, 220, 250, 255, 260, 265};

std::map<std::string, std::set<int>> SectionNumbers(const std::string& file) {
    std::map<std::string, std::set<int>> sections;
    std::istringstream lines(file);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "[EOL]")
            section.clear();
        else if (line.size() == 6 && line[0] == '[')
            section = line;
        else if (!section.empty() && line.size() > 5)
            sections[section].insert(std::stoi(line.substr(0, 5)));
    }
    return sections;
}
// The texts of each section by number.
std::map<std::string, std::map<int, std::string>> SectionTexts(const std::string& file) {
    std::map<std::string, std::map<int, std::string>> sections;
    std::istringstream lines(file);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "[EOL]")
            section.clear();
        else if (line.size() == 6 && line[0] == '[')
            section = line;
        else if (!section.empty() && line.size() > 5)
            sections[section][std::stoi(line.substr(0, 5))] = line.size() > 6 ? line.substr(6) : "";
    }
    return sections;
}

// The letter after "&", in lower case; 0 when the text has none.
char Mnemonic(const std::string& text) {
    const size_t at = text.find('&');
    if (at == std::string::npos || at + 1 >= text.size())
        return 0;
    const char letter = text[at + 1];
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}
}  // namespace

TEST(LanguageFile, WindowMnemonicsDoNotShadowTheMenuTitles) {
    // In the window, Alt and a letter goes to the first control with that
    // mnemonic before the menu bar: buttons, radios and the menu titles
    // (200, 250) each need a letter of their own.
    const int kWindowTexts[] = {25, 35, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 200, 250};
    const std::string file = files::Read(tstring(SLICEWISE_SOURCES) + _T("\\Slicewisetrl.ini"));
    for (const auto& section : SectionTexts(file)) {
        std::map<char, int> owner;
        for (int number : kWindowTexts) {
            const char letter = Mnemonic(section.second.at(number));
            if (!letter)
                continue;
            const auto taken = owner.emplace(letter, number);
            EXPECT_TRUE(taken.second) << section.first << ": texts " << taken.first->second
                                      << " and " << number << " share &" << letter;
        }
    }
}

TEST(LanguageFile, EnglishAndGermanHoldEveryTextAndNoOther) {
    const std::string file = files::Read(tstring(SLICEWISE_SOURCES) + _T("\\Slicewisetrl.ini"));
    ASSERT_FALSE(file.empty());
    const auto sections = SectionNumbers(file);
    const std::set<int> used(std::begin(kUsedTexts), std::end(kUsedTexts));
    ASSERT_EQ(2u, sections.size());
    EXPECT_EQ(used, sections.at("[1033]"));
    EXPECT_EQ(used, sections.at("[1031]"));
}

TEST(LanguageFile, IsLatin1WithCrLfAndTheLanguageNamesInTheirPlace) {
    const std::string file = files::Read(tstring(SLICEWISE_SOURCES) + _T("\\Slicewisetrl.ini"));
    for (unsigned char byte : file)
        EXPECT_FALSE(byte >= 0x80 && byte <= 0x9F) << static_cast<int>(byte);
    for (size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && file[at - 1] == '\r') << at;
    // The language dialog lists the text two lines below each marker.
    EXPECT_NE(std::string::npos, file.find("[1033]\r\n00001 Please select your language:\r\n00002 English\r\n"));
    EXPECT_NE(std::string::npos, file.find("[1031]\r\n00001 Bitte w\xE4hlen Sie Ihre Sprache:\r\n00002 Deutsch\r\n"));
}
