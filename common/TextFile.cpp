#include "common/PowerClass.h"
#include "common/WideText.h"
#include "framework/WriteSeam.h"
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

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16Mark[] = "\xFF\xFE";   // little-endian

bool StartsWith(const std::string& bytes, const std::string& mark) {
    return bytes.compare(0, mark.size(), mark) == 0;
}

std::wstring FromUtf16(const std::string& bytes) {
    std::wstring text(bytes.size() / 2, L'\0');   // an odd last byte is no character
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return text;
}

// Editors save "Unicode" files with a byte order mark; a file without one is
// 8-bit text.
tstring DecodeText(const std::string& bytes) {
    if (StartsWith(bytes, kUtf16Mark))
        return widetext::FromWide(FromUtf16(bytes.substr(sizeof kUtf16Mark - 1)));
    std::wstring text;
    if (StartsWith(bytes, kUtf8Mark) &&
        widetext::FromUtf8(bytes.substr(sizeof kUtf8Mark - 1), text, false))
        return widetext::FromWide(text);
    return widetext::FromBytes(bytes);
}

// Writes all bytes to a new file and flushes them to the disk before it is
// closed, so that a rename that follows never puts an empty file in place;
// the system's error code.
DWORD WriteNewFile(const tstring& path, const std::string& bytes) {
    const FileHandle file(CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (!Writes().Write(file.Get(), path, bytes.data(), static_cast<DWORD>(bytes.size()),
                            &written))
        return GetLastError();
    if (written != bytes.size()) return ERROR_WRITE_FAULT;
    return Writes().Flush(file.Get(), path) ? ERROR_SUCCESS : GetLastError();
}
}

tstrings DecodeLines(const std::string& bytes) {
    const tstring text = DecodeText(bytes);
    tstrings lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(_T('\n'), start);
        size_t next = end == tstring::npos ? text.size() : end + 1;
        if (end == tstring::npos) end = text.size();
        if (end > start && text[end - 1] == _T('\r')) --end;
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

bool ReadLines(const tstring& path, tstrings& lines) {
    lines.clear();
    std::string bytes;
    if (!ReadBytes(path, bytes)) return false;
    lines = DecodeLines(bytes);
    return true;
}

DWORD WriteLines(const tstring& path, const tstrings& lines) {
    std::string bytes;
    for (const tstring& line : lines) bytes += widetext::ToBytes(line) + "\r\n";
    // The new text goes to a file beside the old one, which it then replaces
    // in one step: a failure on the way leaves the old file whole.
    const tstring temp = path + _T(".new");
    DWORD error = WriteNewFile(temp, bytes);
    if (error == ERROR_SUCCESS && !Writes().Replace(temp, path)) error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFile(temp.c_str());
    return error;
}
}
