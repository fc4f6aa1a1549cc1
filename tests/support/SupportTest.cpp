#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>
#include "tests/support/LanguageFileCheck.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

// The sandbox must really hide the prefix's registry and leave it untouched.
TEST(RegistrySandbox, RedirectsAndRestoresTheRoots) {
    const tstring key = _T("Software\\VantorelSandboxProbe");
    {
        RegistrySandbox sandbox;
        EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, _T("Software\\Microsoft")));
        reg::SetText(HKEY_CURRENT_USER, key, _T("v"), _T("inside"));
        EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, key, _T("v")), _T("inside"));
    }
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(reg::KeyExists(HKEY_LOCAL_MACHINE, _T("Software\\Microsoft")));
}

TEST(TempFolder, IsRemovedWithItsFiles) {
    tstring path;
    {
        TempFolder folder;
        path = folder.Path();
        files::Write(folder / _T("a.bin"), std::string("x\0y", 3));
        EXPECT_EQ(files::Read(folder / _T("a.bin")), std::string("x\0y", 3));
    }
    EXPECT_FALSE(files::Exists(path));
}

// The language file checks must catch what they are there for.
TEST(LanguageFileCheck, ReportsC1BytesBareLineFeedsAndAMissingLastCrLf) {
    langfile::ExpectLatin1WithCrLf("[1033]\r\n00001 caf\xE9\r\n");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("00001 \x80\r\n"), "byte 128 at 6");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("[1033]\r\n00001 a\n00002 b\r\n"),
                            "bare LF at 15");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectLatin1WithCrLf("[1033]\r\n00001 a"), "\\r\\n");
    EXPECT_FATAL_FAILURE(langfile::ExpectLatin1WithCrLf(""), "bytes.empty()");
}

TEST(LanguageFileCheck, ReadsEachSectionByNumberAndReportsANumberGivenTwice) {
    const std::string file = "[1033]\r\n00001 Pick:\r\n00002 English\r\n00010 \r\n[EOL]\r\n"
                             "[1031]\r\n00001 W\xE4hlen:\r\n00002 Deutsch\r\n[EOL]\r\n";
    const auto sections = langfile::Sections(file);
    ASSERT_EQ(2u, sections.size());
    EXPECT_EQ((langfile::Entries{{1, "Pick:"}, {2, "English"}, {10, ""}}), sections.at("[1033]"));
    EXPECT_EQ((std::set<int>{1, 2}), langfile::Numbers(sections.at("[1031]")));
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{{"[1033]", "English"},
                                                                {"[1031]", "Deutsch"}}),
              langfile::LanguageNames(file));
    EXPECT_NONFATAL_FAILURE(langfile::Sections("[1031]\r\n00001 a\r\n00001 b\r\n[EOL]\r\n"),
                            "[1031] holds text 00001 twice");
}

TEST(LanguageFileCheck, ReportsTwoTextsMarkingOneLetterCaseAside) {
    langfile::ExpectOwnMnemonics({{1, "&File"}, {2, "&Edit"}, {3, "No mark"}, {4, "Trailing &"},
                                  {6, "Fish && &Chips"}, {7, "R&&D"}},
                                 "menu");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectOwnMnemonics({{5, "&Open"}, {9, "Cl&ose"}}, "menu"),
                            "menu: texts 5 and 9 share &o");
    EXPECT_NONFATAL_FAILURE(langfile::ExpectOwnMnemonics(
                                {{5, "\xC0 &\xC9t\xE9"}, {9, "&\xE9t\xE9"}}, {{5, 9}}, "dialog"),
                            "dialog: texts 5 and 9 share");
}

TEST(LanguageFileCheck, ReportsWhatASectionLacksHasMoreOfOrFormatsOtherwiseThanEnglish) {
    EXPECT_EQ((std::vector<std::string>{"%d", "%s", "%%"}),
              langfile::Placeholders("%d of %s: 5%% %"));
    const langfile::Entries english = {{1, "Pick"}, {2, "Part %d: %d%%"}, {3, "%s missing"}};
    langfile::ExpectEveryTextOfEnglish(
        {{"[1033]", english}, {"[1031]", {{1, "W"}, {2, "Teil %d: %d%%"}, {3, "%s fehlt"}}}});
    const std::pair<langfile::Entries, std::string> cases[] = {
        {{{1, "Elija"}, {2, "Parte %d: %d%%"}}, "[1034] lacks text 3 (English: \"%s missing\")"},
        {{{1, ""}, {2, "Parte %d: %d%%"}, {3, "Falta %s"}}, "[1034] lacks text 1"},
        {{{1, "Elija"}, {2, "%d%% parte %d"}, {3, "Falta %s"}}, "[1034] text 2 \"%d%% parte %d\""},
        {{{1, "Elija"}, {2, "Parte %d: %d%%"}, {3, "Falta %s"}, {4, "x"}},
         "[1034] holds text 4, which English lacks"}};
    for (const auto& spanish : cases)
        EXPECT_NONFATAL_FAILURE(
            langfile::ExpectEveryTextOfEnglish({{"[1033]", english}, {"[1034]", spanish.first}}),
            spanish.second);
}
