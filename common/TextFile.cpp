#include "common/PowerClass.h"
#include "common/WideText.h"
#include "framework/Handles.h"

namespace textfile {
namespace {
bool ReadBytes(const tstring& path, std::string& bytes) {
    const FileHandle file(CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    char buffer[16384];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0)
        bytes.append(buffer, got);
    return ok;
}

// Writes all bytes to a new file and flushes them; the system's error code.
DWORD WriteNewFile(const tstring& path, const std::string& bytes) {
    const FileHandle file(CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return GetLastError();
    if (written != bytes.size()) return ERROR_WRITE_FAULT;
    return FlushFileBuffers(file.Get()) ? ERROR_SUCCESS : GetLastError();
}
}

bool ReadLines(const tstring& path, tstrings& lines) {
    lines.clear();
    std::string bytes;
    if (!ReadBytes(path, bytes)) return false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.push_back(widetext::FromBytes(bytes.substr(start, end - start)));
        start = next;
    }
    return true;
}

DWORD WriteLines(const tstring& path, const tstrings& lines) {
    std::string bytes;
    for (const tstring& line : lines) bytes += widetext::ToBytes(line) + "\r\n";
    // The new text goes to a file beside the old one, which it then replaces
    // in one step: a failure on the way leaves the old file whole.
    const tstring temp = path + _T(".new");
    DWORD error = WriteNewFile(temp, bytes);
    if (error == ERROR_SUCCESS &&
        !MoveFileEx(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFile(temp.c_str());
    return error;
}
}
