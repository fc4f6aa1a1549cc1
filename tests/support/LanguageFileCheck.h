#pragma once
// Checks of a shipped language file, read byte for byte and apart from the
// translation code the programs use: the same 8-bit bytes in both widths.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace langfile {
// The texts of one section by number.
using Entries = std::map<int, std::string>;

// Each section ("[1033]" up to "[EOL]") by its marker. An entry line is a
// five-digit number, a space and the text; a number given twice in one
// section is reported as a test failure.
std::map<std::string, Entries> Sections(const std::string& bytes);

// The numbers of a section's entries.
std::set<int> Numbers(const Entries& entries);

// Each marker with the language name the language dialog takes from the
// second line after it, in the order of the file.
std::vector<std::pair<std::string, std::string>> LanguageNames(const std::string& bytes);

// Reports as test failures: an empty file, any byte from 0x80 to 0x9F (the
// wide programs read each byte as the character of the same code), a line
// feed without a carriage return before it, and a file not ending in CR LF.
void ExpectLatin1WithCrLf(const std::string& bytes);

// Reports as a test failure each two of the texts that mark the same letter,
// case aside: Alt and that letter would only ever reach the first of them.
// where names the group in the failure message.
void ExpectOwnMnemonics(const Entries& texts, const std::string& where);
}  // namespace langfile
