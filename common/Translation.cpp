#include "common/Translation.h"

namespace {
const TCHAR kSystemLanguage[] = _T("[----]");
const TCHAR kFallbackSection[] = _T("[1033]");
const TCHAR kEndOfSection[] = _T("[EOL]");
const TCHAR kLanguageKey[] = _T("SYSTEM\\CurrentControlSet\\Control\\Nls\\Language");

// "[1031]" for 1031.
tstring SectionMarker(int language) {
    TCHAR marker[16];
    wsprintf(marker, _T("[%d]"), language);
    return marker;
}
}

tstring LanguageFilePath(const PowerClass& power) {
    return power.GetProgramFolder() + _T("\\") + power.ReadSetting(_T("Product ID")) +
           _T("trl.ini");
}

CTranslation::CTranslation(std::vector<int> dialects) : dialects_(std::move(dialects)) {}


void CTranslation::Load() {
    entries_.clear();
    const tstring file = LanguageFilePath();
    tstring section = power_.ReadSetting(_T("Language"));
    if (section == kSystemLanguage) section = ChooseSection(file);

    // No language names no section; it must not match a blank line.
    if (section.empty()) return;
    tstrings lines;
    textfile::ReadLines(file, lines);
    auto line = lines.begin();
    while (line != lines.end() && *line != section) ++line;
    if (line == lines.end()) return;
    // A section without its end line ends with the file.
    for (++line; line != lines.end() && *line != kEndOfSection; ++line) {
        if (line->size() <= 4) continue;
        // Five digits, one separator of any kind, then the text.
        int number = PowerClass::ParseDecimal(line->substr(0, 5));
        entries_.emplace_back(number, line->size() > 6 ? line->substr(6) : tstring());
    }
}

tstring CTranslation::GetText(int number) const {
    for (const auto& entry : entries_)
        if (entry.first == number) return entry.second;
    return tstring();
}

// The section of the system language, folded onto its main language when
// a dialect list names it, or "[1033]" when the file lacks it.
tstring CTranslation::ChooseSection(const tstring& languageFile) const {
    tstring candidate = SystemLanguageMarker();
    for (int language : dialects_) {
        const tstring key = _T("Dialects") + SectionMarker(language);
        if (power_.ReadSetting(key).find(candidate) != tstring::npos)
            candidate = SectionMarker(language);
    }
    return PowerClass::FileHasLine(languageFile, candidate) ? candidate : tstring(kFallbackSection);
}

// "[1031]" for the stored system language "0407".
tstring CTranslation::SystemLanguageMarker() const {
    PowerClass registry;
    registry.subKey = kLanguageKey;
    return SectionMarker(PowerClass::ParseHex(registry.ReadRegistryText(PowerClass::kLocalMachine,
                                                                         _T("Default"))));
}
