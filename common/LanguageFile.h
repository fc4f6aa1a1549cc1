#pragma once
// The one reader of a language file's lines, read two ways: the texts of one
// section for the translator, and the languages the file offers for the
// language dialog. The two take the same lines by different rules: a section
// by its exact marker line up to "[EOL]", the dialog's list by position.
#include "framework/TString.h"
#include <utility>
#include <vector>

namespace languagefile {
// Text number and text, in file order.
using Entries = std::vector<std::pair<int, tstring>>;

// Appends the entries of the section whose marker line equals marker. Lines
// of four characters or fewer are skipped; the section ends at "[EOL]" or
// with the file. An empty marker names no section.
void ReadSection(const tstrings& lines, const tstring& marker, Entries& entries);

// Each marker line (six characters, the first "[") and the language name
// taken from the second line after it: marker, name, marker, name, ...
[[nodiscard]] tstrings LanguagePairs(const tstrings& lines);
}  // namespace languagefile
