#include "tests/support/LanguageFileCheck.h"
#include "tests/support/RegistrySandbox.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>

namespace langfile {
const std::vector<std::pair<std::string, std::string>> kShippedLanguages = {
    {"[1033]", "English"},
    {"[1031]", "Deutsch"},
    {"[1034]", "Espa\xF1ol"},
    {"[1043]", "Nederlands"},
    {"[1036]", "Fran\xE7" "ais"}};

const std::vector<std::pair<int, int>> kRegionalVariants = {
    // German: Switzerland, Austria, Luxembourg, Liechtenstein
    {2055, 1031}, {3079, 1031}, {4103, 1031}, {5127, 1031},
    // Spanish: every regional identifier from 2058 (Mexico) to 20490 (Puerto Rico)
    {2058, 1034}, {3082, 1034}, {4106, 1034}, {5130, 1034}, {6154, 1034}, {7178, 1034},
    {8202, 1034}, {9226, 1034}, {10250, 1034}, {11274, 1034}, {12298, 1034}, {13322, 1034},
    {14346, 1034}, {15370, 1034}, {16394, 1034}, {17418, 1034}, {18442, 1034}, {19466, 1034},
    {20490, 1034},
    // Dutch: Belgium
    {2067, 1043},
    // French: Belgium, Canada, Switzerland, Luxembourg, Monaco
    {2060, 1036}, {3084, 1036}, {4108, 1036}, {5132, 1036}, {6156, 1036}};

tstrings ShippedNames() {
    tstrings names;
    for (const auto& language : kShippedLanguages) {
        tstring name;
        for (unsigned char letter : language.second)   // Latin-1: one code unit per byte
            name += static_cast<TCHAR>(letter);
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> ShippedMarkers() {
    std::vector<std::string> markers;
    for (const auto& language : kShippedLanguages)
        markers.push_back(language.first);
    return markers;
}

namespace {
// The lines of the file without their CR LF (or bare LF).
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream stream(bytes);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool IsMarker(const std::string& line) { return line.size() == 6 && line[0] == '['; }

// Five digits, a blank and the text, as the files are written.
bool IsEntry(const std::string& line) {
    return line.size() >= 6 && line[5] == ' ' &&
           std::all_of(line.begin(), line.begin() + 5, [](char c) { return c >= '0' && c <= '9'; });
}

// The letter after the first "&" that is not "&&" (a plain "&"), in lower
// case; 0 when the text has none.
char Mnemonic(const std::string& text) {
    size_t at = text.find('&');
    while (at != std::string::npos && at + 1 < text.size() && text[at + 1] == '&')
        at = text.find('&', at + 2);
    if (at == std::string::npos || at + 1 >= text.size())
        return 0;
    const unsigned char letter = text[at + 1];
    // Latin-1 capitals: A-Z and 0xC0-0xDE but the multiplication sign.
    const bool capital =
        (letter >= 'A' && letter <= 'Z') || (letter >= 0xC0 && letter <= 0xDE && letter != 0xD7);
    return static_cast<char>(capital ? letter + 0x20 : letter);
}
}  // namespace

std::map<std::string, Entries> Sections(const std::string& bytes) {
    std::map<std::string, Entries> sections;
    std::string section;
    for (const std::string& line : Lines(bytes)) {
        if (line == "[EOL]")
            section.clear();
        else if (IsMarker(line))
            section = line;
        else if (!section.empty() && IsEntry(line)) {
            if (!sections[section].emplace(std::stoi(line.substr(0, 5)), line.substr(6)).second)
                ADD_FAILURE() << section << " holds text " << line.substr(0, 5) << " twice";
        }
    }
    return sections;
}

void ExpectRegionalVariantsFold(const std::function<tstring()>& loadName,
                                const std::vector<int>& folded) {
    const std::map<std::string, std::string> names(kShippedLanguages.begin(),
                                                   kShippedLanguages.end());
    for (const auto& variant : kRegionalVariants) {
        // Windows keeps the identifier as four lower-case hexadecimal digits.
        TCHAR hex[8];
        wsprintf(hex, _T("%04x"), variant.first);
        reg::SetText(HKEY_LOCAL_MACHINE, _T("SYSTEM\\CurrentControlSet\\Control\\Nls\\Language"),
                     _T("Default"), hex);
        const bool folds =
            std::find(folded.begin(), folded.end(), variant.second) != folded.end();
        const std::string expected = "[" + std::to_string(folds ? variant.second : 1033) + "]";
        const tstring name = loadName();   // Latin-1: one code unit per byte
        EXPECT_EQ(names.at(expected), std::string(name.begin(), name.end()))
            << "system language " << variant.first;
    }
}

std::set<int> Numbers(const Entries& entries) {
    std::set<int> numbers;
    for (const auto& entry : entries)
        numbers.insert(entry.first);
    return numbers;
}

std::vector<std::pair<std::string, std::string>> LanguageNames(const std::string& bytes) {
    const std::vector<std::string> lines = Lines(bytes);
    std::vector<std::pair<std::string, std::string>> names;
    for (size_t i = 0; i + 2 < lines.size(); ++i)
        if (IsMarker(lines[i]))
            names.emplace_back(lines[i], lines[i + 2].size() > 6 ? lines[i + 2].substr(6) : "");
    return names;
}

std::vector<std::string> Placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size();
         at = text.find('%', at + 2))
        found.push_back(text.substr(at, 2));
    return found;
}

void ExpectEveryTextOfEnglish(const std::map<std::string, Entries>& sections) {
    const auto english = sections.find("[1033]");
    ASSERT_NE(sections.end(), english) << "no English section";
    for (const auto& section : sections) {
        if (section.first == english->first)
            continue;
        const Entries& texts = section.second;
        for (const auto& text : english->second) {
            const auto own = texts.find(text.first);
            if (own == texts.end() || own->second.empty()) {
                ADD_FAILURE() << section.first << " lacks text " << text.first << " (English: \""
                              << text.second << "\")";
            } else {
                EXPECT_EQ(Placeholders(text.second), Placeholders(own->second))
                    << section.first << " text " << text.first << " \"" << own->second << "\"";
            }
        }
        for (const auto& text : texts)
            EXPECT_TRUE(english->second.count(text.first))
                << section.first << " holds text " << text.first << ", which English lacks";
    }
}

void ExpectLatin1WithCrLf(const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    // An editor that saved the file as UTF-8 may leave its mark.
    EXPECT_NE(0u, bytes.rfind("\xEF\xBB\xBF", 0)) << "UTF-8 byte order mark";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = bytes[i];
        EXPECT_FALSE(c >= 0x80 && c <= 0x9F) << "byte " << int(c) << " at " << i;
        EXPECT_FALSE(c < 0x20 && c != '\r' && c != '\n') << "control byte " << int(c) << " at " << i;
        if (c == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (c == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() < 2 ? 0 : bytes.size() - 2));
}

void ExpectSectionsWellFormed(const std::string& bytes) {
    const std::vector<std::string> lines = Lines(bytes);
    std::string section;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsMarker(line)) {
            EXPECT_TRUE(section.empty()) << section << " has no [EOL] before " << line;
            section = line;
            // The dialog's prompt first, then the name it lists.
            EXPECT_TRUE(i + 2 < lines.size() && lines[i + 1].rfind("00001 ", 0) == 0 &&
                        lines[i + 2].rfind("00002 ", 0) == 0)
                << line << " does not begin with texts 1 and 2";
        } else if (line == "[EOL]") {
            EXPECT_FALSE(section.empty()) << "[EOL] outside a section, line " << i + 1;
            section.clear();
        } else if (!section.empty()) {
            EXPECT_TRUE(IsEntry(line)) << section << " line " << i + 1 << " \"" << line
                                       << "\" is not five digits, a blank and the text";
        }
    }
    EXPECT_TRUE(section.empty()) << section << " has no [EOL] before the end of the file";
}

void ExpectOwnMnemonics(const Entries& texts, const std::string& where) {
    std::map<char, int> owner;
    for (const auto& text : texts) {
        const char letter = Mnemonic(text.second);
        if (!letter)
            continue;
        const auto taken = owner.emplace(letter, text.first);
        EXPECT_TRUE(taken.second) << where << ": texts " << taken.first->second << " and "
                                  << text.first << " share &" << letter;
    }
}

void ExpectOwnMnemonics(const Entries& section, const std::vector<std::vector<int>>& groups,
                        const std::string& where) {
    for (const std::vector<int>& group : groups) {
        Entries texts;
        for (int number : group)
            if (section.count(number))
                texts[number] = section.at(number);
        ExpectOwnMnemonics(texts, where);
    }
}
}  // namespace langfile
