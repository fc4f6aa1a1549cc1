#include "common/Translation.h"
#include "common/SharedDialogIds.h"
#include <algorithm>

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

// Appends the entries of the section that begins with marker. No marker
// names no section: it must not match a blank line.
void ReadSection(const tstrings& lines, const tstring& marker,
                 std::vector<std::pair<int, tstring>>& entries) {
    auto line = marker.empty() ? lines.end() : std::find(lines.begin(), lines.end(), marker);
    if (line == lines.end()) return;
    // A section without its end line ends with the file.
    for (++line; line != lines.end() && *line != kEndOfSection; ++line) {
        if (line->size() <= 4) continue;
        // Five digits, one separator of any kind, then the text.
        int number = PowerClass::ParseDecimal(line->substr(0, 5));
        entries.emplace_back(number, line->size() > 6 ? line->substr(6) : tstring());
    }
}

// The lines of the program's built-in copy of its language file; none when
// the program has no such resource.
tstrings BuiltInLines() {
    const HMODULE program = GetModuleHandle(nullptr);
    const HRSRC found = FindResource(program, MAKEINTRESOURCE(IDR_BUILTIN_TEXTS), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return {};
    return textfile::DecodeLines(std::string(bytes, SizeofResource(program, found)));
}
}

tstring LanguageFilePath(const PowerClass& power) {
    return power.GetProgramFolder() + _T("\\") + power.ReadSetting(_T("Product ID")) +
           _T("trl.ini");
}

CTranslation::CTranslation(std::vector<int> dialects) : dialects_(std::move(dialects)) {}

void CTranslation::Load() {
    entries_.clear();
    if (builtIn_.empty()) ReadSection(BuiltInLines(), kFallbackSection, builtIn_);
    tstring section = power_.ReadSetting(_T("Language"));
    if (section == kSystemLanguage) section = SystemLanguageMarker();
    tstrings lines;
    textfile::ReadLines(LanguageFilePath(), lines);
    ReadSection(lines, section, entries_);
    if (entries_.empty()) ReadSection(lines, kFallbackSection, entries_);
}

const tstring* CTranslation::Find(const Entries& entries, int number) {
    for (const auto& entry : entries)
        if (entry.first == number) return &entry.second;
    return nullptr;
}

tstring CTranslation::GetText(int number) const {
    if (const tstring* text = Find(entries_, number)) return *text;
    if (const tstring* text = Find(builtIn_, number)) return *text;
    return tstring();
}

// "[1031]" for the stored system language "0407", folded onto its main
// language when a dialect list names it.
tstring CTranslation::SystemLanguageMarker() const {
    PowerClass registry;
    registry.subKey = kLanguageKey;
    tstring candidate = SectionMarker(PowerClass::ParseHex(
        registry.ReadRegistryText(PowerClass::kLocalMachine, _T("Default"))));
    for (int language : dialects_) {
        const tstring key = _T("Dialects") + SectionMarker(language);
        if (power_.ReadSetting(key).find(candidate) != tstring::npos)
            candidate = SectionMarker(language);
    }
    return candidate;
}
