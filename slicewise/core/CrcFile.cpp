#include "slicewise/core/CrcFile.h"
#include "common/WideText.h"
#include "framework/BufferedFile.h"
#include "slicewise/core/Manifest.h"
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <map>

namespace {

const char* const kKeys[] = {"filename", "filenameutf8", "size", "crc32"};
const char kByteOrderMark[] = "\xEF\xBB\xBF";

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The values of the known keys; false when one is given twice.
bool ReadValues(const std::string& bytes, std::map<std::string, std::string>& values) {
    size_t at = bytes.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    while (at < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        std::string line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = Lower(line.substr(0, equals));
        for (const char* known : kKeys)
            if (key == known && !values.emplace(key, line.substr(equals + 1)).second)
                return false;
    }
    return true;
}

// The system's code page, in which the filename line is written.
tstring FromCodePage(const std::string& bytes) {
#ifdef UNICODE
    const int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (count <= 0)
        return tstring();
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], count);
    return wide;
#else
    return bytes;
#endif
}

// The name the file gives, filenameutf8 first; empty when it gives none or
// one that is not UTF-8.
tstring NameOf(const std::map<std::string, std::string>& values) {
    const auto utf8 = values.find("filenameutf8");
    if (utf8 != values.end()) {
        std::wstring wide;
        return widetext::FromUtf8(utf8->second, wide, true) ? widetext::FromWide(wide) : tstring();
    }
    const auto ansi = values.find("filename");
    return ansi == values.end() ? tstring() : FromCodePage(ansi->second);
}

bool ParseSize(const std::string& text, ULONGLONG& size) {
    if (text.empty())
        return false;
    size = 0;
    for (const char c : text) {
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (digit > 9 || size > (std::numeric_limits<ULONGLONG>::max() - digit) / 10)
            return false;
        size = size * 10 + digit;
    }
    return true;
}

bool ParseCrc(const std::string& text, uint32_t& crc) {
    if (text.size() != 8 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
        return false;
    crc = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
    return true;
}

}  // namespace

CrcFileRead ParseCrcFile(const std::string& bytes) {
    CrcFileRead read;
    std::map<std::string, std::string> values;
    if (bytes.size() > kLargestCrcFile || !ReadValues(bytes, values))
        return read;
    read.info.fileName = NameOf(values);
    if (!read.info.fileName.empty() && !IsBareFileName(read.info.fileName)) {
        read.pathName = read.info.fileName;
        return read;
    }
    read.usable = !read.info.fileName.empty() && values.count("size") && values.count("crc32") &&
                  ParseSize(values["size"], read.info.size) && ParseCrc(values["crc32"], read.info.crc);
    return read;
}

CrcFileRead ReadCrcFile(const tstring& path) {
    BufferedFile file;
    file.Open(path, BufferedFile::kRead);
    // One byte more than the largest, to tell a larger file.
    std::string bytes(kLargestCrcFile + 1, '\0');
    bytes.resize(file.Read(&bytes[0], bytes.size()));
    file.Close();
    return ParseCrcFile(bytes);
}
