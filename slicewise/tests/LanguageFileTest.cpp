// The shipped language file: both languages complete, 8-bit Latin-1 text.
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {
// Every text the window and the Divide and Merge commands ask for.
const int kUsedTexts[] = {1,   2,   5,   10,  15,  20,  25,  30,  35,  40,  45,  50,  55,
                          60,  65,  70,  75,  80,  85,  90,  105, 110, 115, 120, 125, 130,
                          135, 140, 141, 145, 146, 150, 152, 153, 155, 160, 161, 165, 166,
                          170, 171, 172, 173, 200, 215, 220, 250, 255, 260, 265,
                          300, 301, 302, 303};

std::string ShippedFile() {
    return files::Read(tstring(SLICEWISE_SOURCES) + _T("\\Slicewisetrl.ini"));
}
}  // namespace

TEST(LanguageFile, WindowMnemonicsDoNotShadowTheMenuTitles) {
    // In the window, Alt and a letter goes to the first control with that
    // mnemonic before the menu bar: buttons, radios and the menu titles
    // (200, 250) each need a letter of their own.
    const int kWindowTexts[] = {25, 35, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 200, 250};
    for (const auto& section : langfile::Sections(ShippedFile())) {
        langfile::Entries window;
        for (int number : kWindowTexts)
            window[number] = section.second.at(number);
        langfile::ExpectOwnMnemonics(window, section.first);
    }
}

TEST(LanguageFile, EnglishAndGermanHoldEveryTextAndNoOther) {
    const std::string file = ShippedFile();
    ASSERT_FALSE(file.empty());
    const auto sections = langfile::Sections(file);
    const std::set<int> used(std::begin(kUsedTexts), std::end(kUsedTexts));
    ASSERT_EQ(2u, sections.size());
    EXPECT_EQ(used, langfile::Numbers(sections.at("[1033]")));
    EXPECT_EQ(used, langfile::Numbers(sections.at("[1031]")));
}

TEST(LanguageFile, IsLatin1WithCrLfAndTheLanguageNamesInTheirPlace) {
    const std::string file = ShippedFile();
    langfile::ExpectLatin1WithCrLf(file);
    // The language dialog lists the text two lines below each marker.
    EXPECT_NE(std::string::npos, file.find("[1033]\r\n00001 Please select your language:\r\n00002 English\r\n"));
    EXPECT_NE(std::string::npos, file.find("[1031]\r\n00001 Bitte w\xE4hlen Sie Ihre Sprache:\r\n00002 Deutsch\r\n"));
}
