#include "verbsmith/core/BackupFileName.h"
#include <cwchar>

namespace {

const size_t kShortNameChars = 40;
const wchar_t kStampPattern[] = L"0000-00-00_00-00-00_000_";   // "0": a digit
const size_t kStampChars = 24;

const wchar_t* const kOperations[] = {L"Add",        L"Edit",     L"Remove", L"Deactivate",
                                      L"Activate",   L"CopyTo",   L"MoveTo", L"Restore"};
const wchar_t* const kKinds[] = {L"Key", L"File", L"NoFile"};
const wchar_t* const kKindEndings[] = {L".reg", L"", L".none"};

template <class Enum, size_t count>
bool ParseWord(const std::wstring& word, const wchar_t* const (&words)[count], Enum& result) {
    for (size_t i = 0; i < count; ++i) {
        if (word == words[i]) {
            result = static_cast<Enum>(i);
            return true;
        }
    }
    return false;
}

bool EndsWith(const std::wstring& text, const std::wstring& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool ParseStamp(const std::wstring& name, SYSTEMTIME& time) {
    if (name.size() < kStampChars) return false;
    for (size_t i = 0; i < kStampChars; ++i) {
        const bool digit = name[i] >= L'0' && name[i] <= L'9';
        if (kStampPattern[i] == L'0' ? !digit : name[i] != kStampPattern[i]) return false;
    }
    auto number = [&name](size_t at, size_t digits) {
        return static_cast<WORD>(std::wcstoul(name.substr(at, digits).c_str(), nullptr, 10));
    };
    time = SYSTEMTIME();
    time.wYear = number(0, 4);
    time.wMonth = number(5, 2);
    time.wDay = number(8, 2);
    time.wHour = number(11, 2);
    time.wMinute = number(14, 2);
    time.wSecond = number(17, 2);
    time.wMilliseconds = number(20, 3);
    return true;
}

}  // namespace

const wchar_t* BackupOperationWord(BackupOperation operation) { return kOperations[static_cast<size_t>(operation)]; }

std::wstring BackupFileName(const SYSTEMTIME& time, BackupOperation operation, BackupKind kind,
                            const std::wstring& name) {
    wchar_t stamp[32];
    wsprintfW(stamp, L"%04u-%02u-%02u_%02u-%02u-%02u_%03u_", time.wYear, time.wMonth, time.wDay, time.wHour,
              time.wMinute, time.wSecond, time.wMilliseconds);
    const size_t k = static_cast<size_t>(kind);
    return stamp + std::wstring(BackupOperationWord(operation)) + L"_" + kKinds[k] + L"_" +
           (kind == BackupKind::Key ? SafeShortName(name) : name) + kKindEndings[k];
}

bool ParseBackupFileName(const std::wstring& fileName, Backup& backup) {
    if (!ParseStamp(fileName, backup.time)) return false;
    const size_t operationEnd = fileName.find(L'_', kStampChars);
    const size_t kindEnd = fileName.find(L'_', operationEnd + 1);
    if (kindEnd == std::wstring::npos ||
        !ParseWord(fileName.substr(kStampChars, operationEnd - kStampChars), kOperations, backup.operation) ||
        !ParseWord(fileName.substr(operationEnd + 1, kindEnd - operationEnd - 1), kKinds, backup.kind))
        return false;
    const std::wstring ending = kKindEndings[static_cast<size_t>(backup.kind)];
    const std::wstring rest = fileName.substr(kindEnd + 1);
    if (!EndsWith(rest, ending)) return false;
    if (backup.kind == BackupKind::Key) return true;   // entry and location stand in the file
    backup.entry = backup.location = rest.substr(0, rest.size() - ending.size());
    return !backup.entry.empty();
}

std::wstring SafeShortName(const std::wstring& name) {
    std::wstring safe;
    for (wchar_t c : name.substr(0, kShortNameChars)) safe += (c < 32 || wcschr(L"\\/:*?\"<>|", c)) ? L'-' : c;
    // Never half of a character beyond 16 bits.
    if (!safe.empty() && IS_HIGH_SURROGATE(safe.back()) && name.size() > safe.size()) safe.pop_back();
    return safe;
}

std::wstring BackupTimeText(const SYSTEMTIME& time) {
    wchar_t text[32];
    wsprintfW(text, L"%04u-%02u-%02u %02u:%02u:%02u.%03u", time.wYear, time.wMonth, time.wDay, time.wHour,
              time.wMinute, time.wSecond, time.wMilliseconds);
    return text;
}
