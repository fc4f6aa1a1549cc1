#pragma once
// Checks of a shipped language file, read byte for byte and apart from the
// translation code the programs use: the same 8-bit bytes in both widths.
#include "framework/TString.h"
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace langfile {
// The texts of one section by number.
using Entries = std::map<int, std::string>;

// The languages every program ships, marker and own name (Latin-1), in the
// order of the files.
extern const std::vector<std::pair<std::string, std::string>> kShippedLanguages;

// The names of kShippedLanguages as the programs show them, in that order.
tstrings ShippedNames();
// Their markers, in that order (for testing::ValuesIn).
std::vector<std::string> ShippedMarkers();

// Regional variants (Windows language identifiers) with the main language
// whose section the shipped "Dialects[...]" settings are to fold them onto.
extern const std::vector<std::pair<int, int>> kRegionalVariants;

// Each section ("[1033]" up to "[EOL]") by its marker. An entry line is a
// five-digit number, a space and the text (other lines are left to
// ExpectSectionsWellFormed); a number given twice in one section is
// reported as a test failure.
std::map<std::string, Entries> Sections(const std::string& bytes);

// For each regional variant: sets it as the system language of the
// sandboxed registry (a RegistrySandbox must be live), asks loadName for the
// name (text 2) of the section the program then loads, and reports a name
// other than that of the variant's main language, or English's for a main
// language that the program's dialect list (folded) lacks.
void ExpectRegionalVariantsFold(const std::function<tstring()>& loadName,
                                const std::vector<int>& folded);

// The numbers of a section's entries.
std::set<int> Numbers(const Entries& entries);

// Each marker with the language name the language dialog takes from the
// second line after it, in the order of the file.
std::vector<std::pair<std::string, std::string>> LanguageNames(const std::string& bytes);

// The "%" sequences of a text in order ("%d", "%s", "%%", ...).
std::vector<std::string> Placeholders(const std::string& text);

// Reports as test failures, for every section but English ("[1033]"): each
// number English has that the section lacks or leaves empty, each number
// English lacks, and each text whose placeholders differ from English's.
void ExpectEveryTextOfEnglish(const std::map<std::string, Entries>& sections);

// Reports as test failures: an empty file, a UTF-8 byte order mark, any
// byte from 0x80 to 0x9F (the wide programs read each byte as the character
// of the same code), other control bytes than CR and LF, a line feed or a
// carriage return that is not part of a CR LF, and a file not ending in CR LF.
void ExpectLatin1WithCrLf(const std::string& bytes);

// Reports as test failures: a section that does not begin with texts 1 and
// 2 (the language dialog's prompt and the name it lists) or does not end
// with "[EOL]" before the next marker or the end of the file, an "[EOL]"
// outside a section, and a line in a section that is not five digits, a
// blank and the text.
void ExpectSectionsWellFormed(const std::string& bytes);

// Reports as a test failure each two of the texts that mark the same letter,
// case aside: Alt and that letter would only ever reach the first of them.
// where names the group in the failure message.
void ExpectOwnMnemonics(const Entries& texts, const std::string& where);
// The same for each group of numbers of one section (a menu, a dialog);
// numbers the section lacks are left to ExpectEveryTextOfEnglish.
void ExpectOwnMnemonics(const Entries& section, const std::vector<std::vector<int>>& groups,
                        const std::string& where);
}  // namespace langfile
