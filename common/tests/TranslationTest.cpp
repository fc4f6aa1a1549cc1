#include <gtest/gtest.h>
#include "common/Translation.h"
#include "common/tests/ProgramFolderScope.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

namespace {
// The dialect lists of the programs: the editors fold four main languages,
// the launcher two.
const std::vector<int> kEditorDialects{1031, 1034, 1043, 1036};
const std::vector<int> kLauncherDialects{1031, 1036};

const char kLanguageFile[] =
    "Verbsmith language file\r\n"
    "[1031]\r\n"
    "00001 Bitte w\xE4hlen Sie eine Sprache\r\n"
    "00002 Deutsch\r\n"
    "00007 erste Sieben\r\n"
    "00007 zweite Sieben\r\n"
    "00008 nur deutsch\r\n"
    "[EOL]\r\n"
    "[1033]\r\n"
    "00001 Please choose a language\r\n"
    "00002 English\r\n"
    "00020 Hello\r\n"
    "00021xHello\r\n"
    "00022\r\n"
    "abc\r\n"
    "0009\r\n"
    "00009 nine\r\n"
    "00030 %s of %d parts\r\n"
    "[EOL]\r\n"
    "[1034]\n"
    "00001 Elija un idioma\n"
    "[EOL]\n"
    "[1036]\r\n"
    "00001 Choisissez une langue\r\n"
    "00002 Fran\xE7" "ais\r\n";   // the last section has no end line

class Translation : public testing::Test {
protected:
    Translation() { files::Write(folder / _T("vstrl.ini"), kLanguageFile); }

    void Settings(const std::string& language, const std::string& more = "") {
        files::Write(folder / _T("config.ini"),
                     "Product ID\r\nvs\r\nLanguage\r\n" + language + "\r\n" + more);
    }
    void SystemLanguage(const tstring& hex) {
        reg::SetText(HKEY_LOCAL_MACHINE, _T("SYSTEM\\CurrentControlSet\\Control\\Nls\\Language"),
                     _T("Default"), hex);
    }
    tstring Loaded(const std::vector<int>& dialects, int number) {
        CTranslation translation(dialects);
        translation.Load();
        return translation.GetText(number);
    }
    tstring LoadedForEditor(int number) { return Loaded(kEditorDialects, number); }

    RegistrySandbox sandbox;
    TempFolder folder;
    ProgramFolderScope scope{folder.Path()};
};
}

TEST_F(Translation, SystemLanguageChoosesItsSection) {
    Settings("[----]");
    SystemLanguage(_T("0407"));
    EXPECT_EQ(LoadedForEditor(2), _T("Deutsch"));
    SystemLanguage(_T("040c"));
    EXPECT_EQ(LoadedForEditor(2), _T("Fran\xE7" "ais"));
}

TEST_F(Translation, DialectFoldsOntoItsMainLanguage) {
    Settings("[----]", "Dialects[1031]\r\n[2055][3079]\r\n");
    SystemLanguage(_T("0807"));
    EXPECT_EQ(LoadedForEditor(2), _T("Deutsch"));
}

TEST_F(Translation, FoldingGoesOnFromTheFoldedCandidate) {
    // 2055 folds to 1031, which the list of 1036 then names.
    Settings("[----]", "Dialects[1031]\r\n[2055]\r\nDialects[1036]\r\n[1031][4108]\r\n");
    SystemLanguage(_T("0807"));
    EXPECT_EQ(LoadedForEditor(2), _T("Fran\xE7" "ais"));
}

TEST_F(Translation, LanguageTheFileLacksFallsBackToEnglish) {
    Settings("[----]");
    SystemLanguage(_T("0410"));
    EXPECT_EQ(LoadedForEditor(2), _T("English"));
    // Uppercase hex digits count as 0: "040C" is 1024.
    SystemLanguage(_T("040C"));
    EXPECT_EQ(LoadedForEditor(2), _T("English"));
}

TEST_F(Translation, MissingSystemLanguageFallsBackToEnglish) {
    Settings("[----]");
    EXPECT_EQ(LoadedForEditor(2), _T("English"));
}

TEST_F(Translation, LauncherDoesNotFoldSpanishDialects) {
    Settings("[----]", "Dialects[1034]\r\n[3082][2058]\r\n");
    SystemLanguage(_T("0c0a"));
    EXPECT_EQ(LoadedForEditor(1), _T("Elija un idioma"));
    EXPECT_EQ(Loaded(kLauncherDialects, 1), _T("Please choose a language"));
}

TEST_F(Translation, ChosenLanguageIsUsedWithoutTheRegistry) {
    Settings("[1036]");
    SystemLanguage(_T("0407"));
    EXPECT_EQ(LoadedForEditor(2), _T("Fran\xE7" "ais"));
}

TEST_F(Translation, MarkerTheFileLacksFallsBackToEnglish) {
    for (const char* language : {"[1031] ", "[1040]", ""}) {
        Settings(language);
        EXPECT_EQ(LoadedForEditor(2), _T("English")) << language;
    }
}

TEST_F(Translation, EmptyLanguageMatchesNoBlankLine) {
    // An absent or empty "Language" names no section, not the first blank line.
    files::Write(folder / _T("vstrl.ini"), "header\r\n\r\n00001 after the blank line\r\n[EOL]\r\n");
    Settings("");
    EXPECT_EQ(LoadedForEditor(1), _T(""));
    files::Write(folder / _T("config.ini"), "Product ID\r\nvs\r\n");
    EXPECT_EQ(LoadedForEditor(1), _T(""));
}

TEST_F(Translation, FirstEntryOfANumberWins) {
    Settings("[1031]");
    EXPECT_EQ(LoadedForEditor(7), _T("erste Sieben"));
}

TEST_F(Translation, EntryLinesAreNumberSeparatorText) {
    Settings("[1033]");
    CTranslation translation(kEditorDialects);
    translation.Load();
    EXPECT_EQ(translation.GetText(20), _T("Hello"));
    EXPECT_EQ(translation.GetText(21), _T("Hello"));
    EXPECT_EQ(translation.GetText(22), _T(""));
    // A four-character line is skipped, so it does not hide entry 9.
    EXPECT_EQ(translation.GetText(9), _T("nine"));
    EXPECT_EQ(translation.GetText(30), _T("%s of %d parts"));
    EXPECT_EQ(translation.GetText(8), _T(""));      // only in another section
    EXPECT_EQ(translation.GetText(999), _T(""));
}

TEST_F(Translation, EightBitTextsKeepTheirCodes) {
    Settings("[1031]");
    EXPECT_EQ(LoadedForEditor(1), _T("Bitte w\xE4hlen Sie eine Sprache"));
}

TEST_F(Translation, SectionWithoutEndLineEndsWithTheFile) {
    Settings("[1036]");
    EXPECT_EQ(LoadedForEditor(1), _T("Choisissez une langue"));
}

TEST_F(Translation, LoadReplacesTheEntries) {
    CTranslation translation(kEditorDialects);
    EXPECT_EQ(translation.GetText(1), _T(""));   // nothing before Load
    Settings("[1031]");
    translation.Load();
    EXPECT_EQ(translation.GetText(8), _T("nur deutsch"));
    Settings("[1033]");
    translation.Load();
    EXPECT_EQ(translation.GetText(1), _T("Please choose a language"));
    EXPECT_EQ(translation.GetText(8), _T(""));
}

TEST_F(Translation, FileIsNamedByTheProductId) {
    files::Write(folder / _T("config.ini"), "Language\r\n[1033]\r\n");
    files::Write(folder / _T("trl.ini"), "[1033]\r\n00001 without id\r\n[EOL]\r\n");
    CTranslation translation(kLauncherDialects);
    EXPECT_EQ(translation.LanguageFilePath(), folder / _T("trl.ini"));
    translation.Load();
    EXPECT_EQ(translation.GetText(1), _T("without id"));
}

// This test program's built-in texts: number 40 in "[1033]", 41 in "[1031]".
TEST_F(Translation, WithoutASectionOnlyTheBuiltInEnglishTextsRemain) {
    const struct {
        const char* name;
        const char* bytes;   // nullptr: no file
    } cases[] = {{"missing file", nullptr},
                 {"empty file", ""},
                 {"no section", "00001 stray\r\n[EOL]\r\n"},
                 {"other section only", "[1036]\r\n00001 Choisissez\r\n[EOL]\r\n"},
                 {"sections without texts", "[1031]\r\n[EOL]\r\n[1033]\r\n[EOL]\r\n"}};
    Settings("[1031]");
    for (const auto& test : cases) {
        DeleteFile((folder / _T("vstrl.ini")).c_str());
        if (test.bytes)
            files::Write(folder / _T("vstrl.ini"), test.bytes);
        CTranslation translation(kEditorDialects);
        translation.Load();
        EXPECT_FALSE(translation.Loaded()) << test.name;
        EXPECT_FALSE(translation.Has(1)) << test.name;
        EXPECT_EQ(translation.GetText(1), _T("")) << test.name;
        EXPECT_EQ(translation.GetText(40), _T("built-in forty")) << test.name;
        EXPECT_EQ(translation.GetText(41), _T("")) << test.name;
    }
    DeleteFile((folder / _T("config.ini")).c_str());
    EXPECT_EQ(LoadedForEditor(40), _T("built-in forty"));
}
