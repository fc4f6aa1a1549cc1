#include "tests/support/LanguageFileCheck.h"
#include <gtest/gtest.h>
#include <sstream>

namespace langfile {
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

// The letter after the first "&", in lower case; 0 when the text has none.
char Mnemonic(const std::string& text) {
    const size_t at = text.find('&');
    if (at == std::string::npos || at + 1 >= text.size())
        return 0;
    const char letter = text[at + 1];
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
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
        else if (!section.empty() && line.size() > 5) {
            const std::string text = line.size() > 6 ? line.substr(6) : "";
            if (!sections[section].emplace(std::stoi(line.substr(0, 5)), text).second)
                ADD_FAILURE() << section << " holds text " << line.substr(0, 5) << " twice";
        }
    }
    return sections;
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

void ExpectLatin1WithCrLf(const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = bytes[i];
        EXPECT_FALSE(c >= 0x80 && c <= 0x9F) << "byte " << int(c) << " at " << i;
        if (c == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() < 2 ? 0 : bytes.size() - 2));
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
}  // namespace langfile
