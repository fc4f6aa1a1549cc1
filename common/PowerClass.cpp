#include "common/PowerClass.h"
#include "framework/Handles.h"
#include "framework/ModulePath.h"
#include <cstdint>

const TCHAR PowerClass::kKeyNotFound[] = _T("Registry key was not found :-( ");
const TCHAR PowerClass::kNoRegSz[] = _T("No REG_SZ");

namespace {
tstring& ProgramFolderOverride() {
    static tstring folder;
    return folder;
}

// The positional value of text in the given base; a character that is not
// one of the digits counts as 0 in its place. Wraps at 32 bits.
int ParsePositional(const tstring& text, const TCHAR* digits, uint32_t base) {
    const tstring digitText = digits;
    uint32_t value = 0, weight = 1;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        size_t d = digitText.find(*c);
        if (d != tstring::npos) value += static_cast<uint32_t>(d) * weight;
        weight *= base;
    }
    return static_cast<int>(value);
}

bool FindFile(const tstring& path, WIN32_FIND_DATA& data) {
    return FindHandle(FindFirstFile(path.c_str(), &data)).Valid();
}

// Replaces the value line after every occurrence of key. A key on the last
// line has no value line and is left alone.
WriteResult WriteSettingsFile(const tstring& path, const tstring& key, const tstring& value) {
    tstrings lines;
    if (!textfile::ReadLines(path, lines)) return {GetLastError()};
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == key) lines[i + 1] = value;
    return {textfile::WriteLines(path, lines)};
}
}

tstring PowerClass::GetProgramFolder() const {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    return FolderOfPath(ModuleFilePath());
}

tstring PowerClass::FolderOfPath(const tstring& path) {
    size_t slash = path.rfind(_T('\\'));
    return slash == tstring::npos ? tstring() : path.substr(0, slash);
}

void PowerClass::OverrideProgramFolder(const tstring& folder) { ProgramFolderOverride() = folder; }

tstring PowerClass::SettingsFilePath() const { return GetProgramFolder() + _T("\\config.ini"); }

tstring PowerClass::ReadSetting(const tstring& key) const {
    tstrings lines;
    textfile::ReadLines(SettingsFilePath(), lines);
    tstring value;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != key) continue;
        // The line after a key is its value and never a key itself.
        ++i;
        value = i < lines.size() ? lines[i] : tstring();
    }
    return value;
}

WriteResult PowerClass::WriteSetting(const tstring& key, const tstring& value) const {
    return WriteSettingsFile(SettingsFilePath(), key, value);
}

WriteResult PowerClass::WriteModuleSetting(const tstring& subFolder, const tstring& key,
                                    const tstring& value) const {
    return WriteSettingsFile(GetProgramFolder() + subFolder + _T("\\config.ini"), key, value);
}

bool PowerClass::FileHasLine(const tstring& path, const tstring& line) {
    tstrings lines;
    textfile::ReadLines(path, lines);
    for (const tstring& l : lines)
        if (l == line) return true;
    return false;
}

bool PowerClass::FileExists(const tstring& path) {
    WIN32_FIND_DATA data;
    return FindFile(path, data);
}

ULONGLONG PowerClass::FileSize(const tstring& path) {
    WIN32_FIND_DATA data;
    if (!FindFile(path, data)) return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int PowerClass::ParseDecimal(const tstring& text) {
    return ParsePositional(text, _T("0123456789"), 10);
}

int PowerClass::ParseHex(const tstring& text) {
    return ParsePositional(text, _T("0123456789abcdef"), 16);
}

tstring PowerClass::PadWithZeros(const tstring& text, size_t width) {
    return text.size() >= width ? text : tstring(width - text.size(), _T('0')) + text;
}
