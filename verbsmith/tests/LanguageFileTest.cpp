// The shipped language file: both languages complete for every text the
// editor shows, in the 8-bit form the translator reads.
#include "EditorTestEnvironment.h"
#include "tests/support/LanguageFileCheck.h"

namespace {

// Every text number the editor's windows and operations use.
const int kUsedTexts[] = {
    1,   5,   15,  20,  25,  27,  28,  30,  35,  40,  45,  50,  55,  60,  65,  70,  75,  80,
    85,  90,  95,  100, 105, 110, 112, 113, 115, 120, 125, 126, 127, 128, 130, 135, 140, 145,
    150, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200, 215, 220, 222, 224, 226, 250, 255,
    260, 265, 400, 405, 410, 415, 420, 421, 422, 423, 425, 430, 435, 436, 440, 441, 442, 443,
    444, 450, 455, 460, 465, 470, 475, 480, 485, 490, 495, 500, 505, 510, 515, 520, 600};

std::string ShippedFile() {
    TCHAR path[MAX_PATH] = {};
    GetModuleFileName(nullptr, path, MAX_PATH);
    tstring folder = path;
    folder.erase(folder.rfind(_T('\\')));
    return files::Read(folder + _T("\\Verbsmithtrl.ini"));
}

}  // namespace

TEST(LanguageFile, IsLatin1WithCrLfLineEnds) { langfile::ExpectLatin1WithCrLf(ShippedFile()); }

TEST(LanguageFile, EnglishAndGermanHoldEveryTextOnce) {
    const std::string bytes = ShippedFile();
    const auto names = langfile::LanguageNames(bytes);
    std::map<std::string, std::string> nameOf(names.begin(), names.end());
    EXPECT_EQ("English", nameOf["[1033]"]);
    EXPECT_EQ("Deutsch", nameOf["[1031]"]);
    auto sections = langfile::Sections(bytes);
    const langfile::Entries& en = sections["[1033]"];
    const langfile::Entries& de = sections["[1031]"];
    for (int number : kUsedTexts) {
        EXPECT_TRUE(en.count(number) && !en.at(number).empty()) << "English lacks " << number;
        EXPECT_TRUE(de.count(number) && !de.at(number).empty()) << "German lacks " << number;
    }
    EXPECT_EQ(langfile::Numbers(en), langfile::Numbers(de));
    // The count line is formatted with one number.
    for (const std::string& text : {en.at(65), de.at(65)}) {
        EXPECT_NE(std::string::npos, text.find("%d"));
        EXPECT_EQ(text.find('%'), text.rfind('%'));
    }
}
