// The shipped language file: both languages complete for every text the
// editor shows, in the 8-bit form the translator reads.
#include "EditorTestEnvironment.h"
#include <map>
#include <set>
#include <sstream>

namespace {

// Every text number the editor's windows and operations use.
const int kUsedTexts[] = {
    1,   5,   15,  20,  25,  27,  28,  30,  35,  40,  45,  50,  55,  60,  65,  70,  75,  80,
    85,  90,  95,  100, 105, 110, 112, 113, 115, 120, 125, 126, 127, 128, 130, 135, 140, 145,
    150, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200, 215, 220, 222, 224, 226, 250, 255,
    260, 265, 400, 405, 410, 415, 420, 421, 422, 423, 425, 430, 435, 436, 440, 441, 442, 443,
    444, 450, 455, 460, 465, 470, 475, 480, 485, 490, 495, 500, 505, 510, 515, 520};

std::string ShippedFile() {
    TCHAR path[MAX_PATH] = {};
    GetModuleFileName(nullptr, path, MAX_PATH);
    tstring folder = path;
    folder.erase(folder.rfind(_T('\\')));
    return files::Read(folder + _T("\\Verbsmithtrl.ini"));
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

// The entries of one section by number; the language name from its second line.
std::map<int, std::string> Section(const std::vector<std::string>& lines, const std::string& marker,
                                   std::string& name) {
    std::map<int, std::string> entries;
    size_t i = 0;
    while (i < lines.size() && lines[i] != marker)
        ++i;
    if (i + 2 < lines.size())
        name = lines[i + 2].substr(6);
    for (++i; i < lines.size() && lines[i] != "[EOL]"; ++i) {
        if (lines[i].size() > 4 &&
            !entries.emplace(std::stoi(lines[i].substr(0, 5)), lines[i].substr(6)).second)
            ADD_FAILURE() << marker << " holds text " << lines[i].substr(0, 5) << " twice";
    }
    return entries;
}

}  // namespace

TEST(LanguageFile, IsLatin1WithCrLfLineEnds) {
    const std::string bytes = ShippedFile();
    ASSERT_FALSE(bytes.empty());
    for (unsigned char byte : bytes)
        EXPECT_FALSE(byte >= 0x80 && byte <= 0x9F) << "byte " << int(byte);
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
    std::istringstream stream(bytes);
    std::string line;
    while (std::getline(stream, line))
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "a line without CR: " << line;
}

TEST(LanguageFile, EnglishAndGermanHoldEveryTextOnce) {
    const std::vector<std::string> lines = Lines(ShippedFile());
    std::string english, german;
    const std::map<int, std::string> en = Section(lines, "[1033]", english);
    const std::map<int, std::string> de = Section(lines, "[1031]", german);
    EXPECT_EQ("English", english);
    EXPECT_EQ("Deutsch", german);
    for (int number : kUsedTexts) {
        EXPECT_TRUE(en.count(number) && !en.at(number).empty()) << "English lacks " << number;
        EXPECT_TRUE(de.count(number) && !de.at(number).empty()) << "German lacks " << number;
    }
    std::set<int> enNumbers, deNumbers;
    for (const auto& entry : en)
        enNumbers.insert(entry.first);
    for (const auto& entry : de)
        deNumbers.insert(entry.first);
    EXPECT_EQ(enNumbers, deNumbers);
    // The count line is formatted with one number.
    for (const std::string& text : {en.at(65), de.at(65)}) {
        EXPECT_NE(std::string::npos, text.find("%d"));
        EXPECT_EQ(text.find('%'), text.rfind('%'));
    }
}
