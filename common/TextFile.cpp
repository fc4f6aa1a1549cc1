#include "common/PowerClass.h"
#include "common/WideText.h"

namespace textfile {
namespace {
bool ReadBytes(const tstring& path, std::string& bytes) {
    HANDLE file = CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[16384];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return ok;
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

bool WriteLines(const tstring& path, const tstrings& lines) {
    std::string bytes;
    for (const tstring& line : lines) bytes += widetext::ToBytes(line) + "\r\n";
    // The new text goes to a file beside the old one, which it then replaces
    // in one step: a failure on the way leaves the old file whole.
    const tstring temp = path + _T(".new");
    HANDLE file = CreateFile(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileEx(temp.c_str(), path.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFile(temp.c_str());
    return ok;
}
}
