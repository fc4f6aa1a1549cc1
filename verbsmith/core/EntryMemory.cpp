#include "verbsmith/core/EntryMemory.h"
#include "common/PowerClass.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/BackupStore.h"
#include <shlobj.h>

namespace {

const EntryMemory* installed = nullptr;

const TCHAR kFirstLine[] = _T("Verbsmith listed entries 1");
const TCHAR kLastLine[] = _T("End %d");   // the number of entries
// Some 80 bytes an entry: 200,000 entries. A larger file is none of ours,
// and reading it would only exhaust the memory.
const ULONGLONG kMaxFileBytes = 16ull << 20;
const TCHAR kHexDigits[] = _T("0123456789ABCDEF");

tstring Escaped(const tstring& identity) {
    tstring line;
    for (const TCHAR c : identity) {
        if (c >= _T(' ') && c <= _T('~') && c != _T('%')) {
            line += c;
            continue;
        }
        line += _T('%');
        for (int shift = 12; shift >= 0; shift -= 4)
            line += kHexDigits[(static_cast<unsigned>(c) >> shift) & 0xF];
    }
    return line;
}

// Nothing for a line that no identity gives.
std::optional<tstring> Unescaped(const tstring& line) {
    tstring identity;
    identity.reserve(line.size());
    for (size_t at = 0; at < line.size(); ++at) {
        if (line[at] != _T('%')) {
            identity += line[at];
            continue;
        }
        if (line.size() - at < 5)
            return std::nullopt;
        unsigned code = 0;
        for (size_t digit = at + 1; digit <= at + 4; ++digit) {
            const TCHAR* found = _tcschr(kHexDigits, line[digit]);
            if (!found || !*found)
                return std::nullopt;
            code = code << 4 | static_cast<unsigned>(found - kHexDigits);
        }
        identity += static_cast<TCHAR>(code);
        at += 4;
    }
    const bool named = identity.size() > 2 && (identity[0] == _T('U') || identity[0] == _T('M')) &&
                       identity.find(_T('\\')) != tstring::npos;
    return named ? std::optional<tstring>(identity) : std::nullopt;
}

tstring LastLine(size_t entries) {
    return FormatText(kLastLine, {static_cast<unsigned long long>(entries)});
}

bool FitsTheLimit(const tstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesEx(file.c_str(), GetFileExInfoStandard, &data) &&
           (ULARGE_INTEGER{{data.nFileSizeLow, data.nFileSizeHigh}}.QuadPart <= kMaxFileBytes);
}

}  // namespace

tstring EntryMemory::UserFile() {
    const tstring backups = BackupStore::UserFolder();
    return backups.empty() ? tstring() : backups.substr(0, backups.rfind(_T('\\'))) + _T("\\Listed entries.dat");
}

std::optional<EntrySet> EntryMemory::Load() const {
    tstrings lines;
    if (file_.empty() || !FitsTheLimit(file_) || !textfile::ReadLines(file_, lines) || lines.size() < 2 ||
        lines.front() != kFirstLine || lines.back() != LastLine(lines.size() - 2))
        return std::nullopt;
    EntrySet remembered(lines.size());
    for (size_t line = 1; line + 1 < lines.size(); ++line) {
        const std::optional<tstring> identity = Unescaped(lines[line]);
        if (!identity)
            return std::nullopt;
        remembered.insert(*identity);
    }
    return remembered;
}

DWORD EntryMemory::Save(const EntryList& rows) const {
    if (file_.empty())
        return ERROR_PATH_NOT_FOUND;
    tstrings lines{kFirstLine};
    for (const EntryRow& row : rows) {
        const tstring identity = EntryIdentity(row);
        if (!identity.empty())
            lines.push_back(Escaped(identity));
    }
    lines.push_back(LastLine(lines.size() - 1));
    // An existing folder (or a file in its way) is for the write to report.
    SHCreateDirectoryEx(nullptr, file_.substr(0, file_.rfind(_T('\\'))).c_str(), nullptr);
    return textfile::WriteLines(file_, lines);
}

const EntryMemory& EditorMemory() {
    static const EntryMemory user(EntryMemory::UserFile());
    return installed ? *installed : user;
}

void SetEditorMemory(const EntryMemory* memory) { installed = memory; }
