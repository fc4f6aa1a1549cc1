// The readers of the language and settings files against damaged files: a
// few thousand variants of a valid file, made from a fixed seed, must each
// be read to the end with results no larger than the file.
#include <gtest/gtest.h>
#include "common/LanguageFile.h"
#include "common/Translation.h"
#include "common/tests/ProgramFolderScope.h"
#include "tests/support/Mutator.h"
#include "tests/support/TempFolder.h"

namespace {
const int kInputs = 2000;

class ReaderFuzz : public testing::Test {
protected:
    TempFolder folder;
    ProgramFolderScope scope{folder.Path()};
    // Longer lines than the readers' read buffer, byte order marks.
    Mutator mutated{20240521, {"\xEF\xBB\xBF", "\xFF\xFE", "[EOL]", "[1031]"}, 20000};
};
}  // namespace

TEST_F(ReaderFuzz, LanguageFile) {
    const std::string valid =
        "fz language file\r\n[1031]\r\n00001 W\xE4hlen Sie\r\n00002 Deutsch\r\n00007 sieben\r\n"
        "[EOL]\r\n[1033]\r\n00001 Choose\r\n00002 English\r\n00020xHello\r\n00021\r\nabc\r\n"
        "[EOL]\r\n";
    files::Write(folder / _T("config.ini"), "Product ID\r\nfz\r\nLanguage\r\n[1031]\r\n");
    CTranslation texts({1031});
    for (int input = 0; input < kInputs && !HasFailure(); ++input) {
        const std::string bytes = mutated(valid);
        files::Write(folder / _T("fztrl.ini"), bytes);
        texts.Load();
        for (int number : {1, 2, 7, 20, 21, static_cast<int>(mutated.Next() % 100000)})
            EXPECT_TRUE(!texts.Has(number) || texts.GetText(number).size() < bytes.size()) << input;
        const tstrings pairs = languagefile::LanguagePairs(textfile::DecodeLines(bytes));
        for (size_t name = 1; name < pairs.size(); name += 2)
            EXPECT_LT(pairs[name].size(), bytes.size()) << input;
    }
}

TEST_F(ReaderFuzz, SettingsFile) {
    const std::string valid =
        "Product ID\r\nvs\r\nLanguage\r\n[1031]\r\nDialects[1031]\r\n[2055][3079]\r\n"
        "Homepage\r\nhttps://www.example.org/\r\n";
    const TCHAR* const kKeys[] = {_T("Product ID"), _T("Language"), _T("Homepage")};
    PowerClass power;
    for (int input = 0; input < kInputs && !HasFailure(); ++input) {
        const std::string bytes = mutated(valid);
        size_t characters = 0;   // each line with its LF, which the last may lack
        for (const tstring& line : textfile::DecodeLines(bytes)) characters += line.size() + 1;
        EXPECT_LE(characters, bytes.size() + 1) << input;

        // One key per file: the disk, not the reader, is what takes the time.
        files::Write(folder / _T("config.ini"), bytes);
        EXPECT_LE(power.ReadSetting(kKeys[input % 3]).size(), bytes.size()) << input;
    }
}
