#include "common/Translation.h"
#include "common/LanguageFile.h"
#include "common/RegistryPlace.h"
#include "common/SharedDialogIds.h"

namespace {
const TCHAR kSystemLanguage[] = _T("[----]");
const TCHAR kFallbackSection[] = _T("[1033]");
const TCHAR kLanguageKey[] = _T("SYSTEM\\CurrentControlSet\\Control\\Nls\\Language");

// "[1031]" for 1031.
tstring SectionMarker(int language) {
    TCHAR marker[16];
    wsprintf(marker, _T("[%d]"), language);
    return marker;
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
    if (builtIn_.empty()) languagefile::ReadSection(BuiltInLines(), kFallbackSection, builtIn_);
    tstring section = power_.ReadSetting(_T("Language"));
    if (section == kSystemLanguage) section = SystemLanguageMarker();
    tstrings lines;
    textfile::ReadLines(LanguageFilePath(), lines);
    languagefile::ReadSection(lines, section, entries_);
    if (entries_.empty()) languagefile::ReadSection(lines, kFallbackSection, entries_);
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
    const tstring stored =
        registry::ReadText({HKEY_LOCAL_MACHINE, kLanguageKey}, _T("Default")).value_or(tstring());
    tstring candidate = SectionMarker(PowerClass::ParseHex(stored));
    for (int language : dialects_) {
        const tstring key = _T("Dialects") + SectionMarker(language);
        if (power_.ReadSetting(key).find(candidate) != tstring::npos)
            candidate = SectionMarker(language);
    }
    return candidate;
}
