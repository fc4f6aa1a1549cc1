#include "common/LanguageFile.h"
#include "common/PowerClass.h"
#include <algorithm>

namespace languagefile {
namespace {
const TCHAR kEndOfSection[] = _T("[EOL]");

bool IsMarkerLine(const tstring& line) { return line.size() == 6 && line[0] == _T('['); }

// Characters 1-5 are the number and character 6 a separator of any kind.
tstring EntryText(const tstring& line) { return line.size() > 6 ? line.substr(6) : tstring(); }
}  // namespace

void ReadSection(const tstrings& lines, const tstring& marker, Entries& entries) {
    // No marker must not match a blank line.
    auto line = marker.empty() ? lines.end() : std::find(lines.begin(), lines.end(), marker);
    if (line == lines.end()) return;
    for (++line; line != lines.end() && *line != kEndOfSection; ++line) {
        if (line->size() <= 4) continue;
        entries.emplace_back(PowerClass::ParseDecimal(line->substr(0, 5)), EntryText(*line));
    }
}

// The dialog reads the name by position, not by number: the line after the
// marker is skipped whatever it holds, and reading goes on after the name.
tstrings LanguagePairs(const tstrings& lines) {
    tstrings found;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsMarkerLine(lines[i]))
            continue;
        found.push_back(lines[i]);
        found.push_back(i + 2 < lines.size() ? EntryText(lines[i + 2]) : tstring());
        i += 2;
    }
    return found;
}
}  // namespace languagefile
