#include "verbsmith/core/RegFile.h"
#include <cwctype>

namespace {

const wchar_t kHeader[] = L"Windows Registry Editor Version 5.00";

std::wstring TrimLeft(const std::wstring& text) {
    const size_t start = text.find_first_not_of(L" \t");
    return start == std::wstring::npos ? std::wstring() : text.substr(start);
}

std::wstring TrimRight(const std::wstring& text) {
    const size_t end = text.find_last_not_of(L" \t");
    return end == std::wstring::npos ? std::wstring() : text.substr(0, end + 1);
}

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
    const size_t length = wcslen(prefix);
    return text.size() >= length && _wcsnicmp(text.c_str(), prefix, length) == 0;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// A hex number of 1 to maxDigits digits and nothing else.
bool ParseHexNumber(const std::wstring& text, size_t maxDigits, DWORD& number) {
    if (text.empty() || text.size() > maxDigits) return false;
    number = 0;
    for (wchar_t c : text) {
        if (HexDigit(c) < 0) return false;
        number = number * 16 + static_cast<DWORD>(HexDigit(c));
    }
    return true;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// A quoted text from text[pos] (the opening quote); pos ends after the
// closing quote. regedit escapes only "\" and the quote.
bool ParseQuoted(const std::wstring& text, size_t& pos, std::wstring& result) {
    result.clear();
    for (++pos; pos < text.size(); ++pos) {
        wchar_t c = text[pos];
        if (c == L'"') {
            ++pos;
            return true;
        }
        if (c == L'\\' && pos + 1 < text.size() && (text[pos + 1] == L'\\' || text[pos + 1] == L'"'))
            c = text[++pos];
        result += c;
    }
    return false;
}

// "xx,xx,..." (a trailing comma is allowed, as is no byte at all).
bool ParseBytes(const std::wstring& list, std::string& data) {
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(L',', start);
        if (end == std::wstring::npos) end = list.size();
        DWORD byte;
        if (!ParseHexNumber(TrimRight(TrimLeft(list.substr(start, end - start))), 2, byte)) return false;
        data += static_cast<char>(byte);
        start = end + 1;
    }
    return true;
}

bool ParseData(const std::wstring& text, RegValue& value) {
    if (!text.empty() && text[0] == L'"') {
        size_t pos = 0;
        std::wstring string;
        if (!ParseQuoted(text, pos, string) || !TrimLeft(text.substr(pos)).empty()) return false;
        value.type = REG_SZ;
        value.data.assign(reinterpret_cast<const char*>(string.c_str()), (string.size() + 1) * sizeof(wchar_t));
        return true;
    }
    DWORD number;
    if (StartsWithNoCase(text, L"dword:")) {
        if (!ParseHexNumber(TrimRight(text.substr(6)), 8, number)) return false;
        value.type = REG_DWORD;
        value.data.assign(reinterpret_cast<const char*>(&number), sizeof number);
        return true;
    }
    size_t listStart;
    if (StartsWithNoCase(text, L"hex:")) {
        value.type = REG_BINARY;
        listStart = 4;
    } else if (StartsWithNoCase(text, L"hex(")) {
        const size_t close = text.find(L"):");
        if (close == std::wstring::npos || !ParseHexNumber(text.substr(4, close - 4), 8, number)) return false;
        value.type = number;
        listStart = close + 2;
    } else {
        return false;
    }
    return ParseBytes(TrimRight(text.substr(listStart)), value.data);
}

// A value line from lines[i], with the continuation lines of wrapped hex
// data; i ends on the last line used.
bool ParseValue(const std::vector<std::wstring>& lines, size_t& i, RegValue& value) {
    std::wstring line = TrimLeft(lines[i]);
    size_t pos = 1;   // after "@"
    if (line[0] == L'"') {
        pos = 0;
        if (!ParseQuoted(line, pos, value.name)) return false;
    }
    line = TrimLeft(line.substr(pos));
    if (line.empty() || line[0] != L'=') return false;
    std::wstring data = TrimLeft(line.substr(1));
    if (StartsWithNoCase(data, L"hex")) {
        data = TrimRight(data);
        while (!data.empty() && data.back() == L'\\' && i + 1 < lines.size()) {
            data.pop_back();
            data += TrimRight(TrimLeft(lines[++i]));
        }
    }
    return ParseData(data, value);
}

bool ParseKeyLine(const std::wstring& line, RegKeyBlock& key) {
    const size_t close = line.rfind(L']');
    if (close == std::wstring::npos || !TrimLeft(line.substr(close + 1)).empty()) return false;
    key.remove = line.size() > 1 && line[1] == L'-';
    key.name = line.substr(key.remove ? 2 : 1, close - (key.remove ? 2 : 1));
    return !key.name.empty();
}

// The lines of UTF-16LE text after its byte order mark, when the first
// one is the header.
bool HeaderedLines(const std::string& bytes, std::vector<std::wstring>& lines) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes.compare(0, 2, "\xFF\xFE") != 0) return false;
    lines = Lines(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()) + 1, bytes.size() / 2 - 1));
    return TrimRight(lines[0]) == kHeader;
}

}  // namespace

DWORD ParseRegFile(const std::string& bytes, RegDocument& document) {
    document = RegDocument();
    std::vector<std::wstring> lines;
    if (!HeaderedLines(bytes, lines)) return ERROR_INVALID_DATA;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::wstring line = TrimLeft(lines[i]);
        if (line.empty()) continue;
        if (line[0] == L';') {
            if (document.keys.empty()) document.comments.push_back(line.substr(1));
        } else if (line[0] == L'[') {
            document.keys.emplace_back();
            if (!ParseKeyLine(TrimRight(line), document.keys.back())) return ERROR_INVALID_DATA;
        } else if (line[0] == L'@' || line[0] == L'"') {
            RegValue value;
            if (document.keys.empty() || document.keys.back().remove || !ParseValue(lines, i, value))
                return ERROR_INVALID_DATA;
            document.keys.back().values.push_back(value);
        } else {
            return ERROR_INVALID_DATA;
        }
    }
    return ERROR_SUCCESS;
}

DWORD ParseRegComments(const std::string& start, std::vector<std::wstring>& comments) {
    comments.clear();
    std::vector<std::wstring> lines;
    if (!HeaderedLines(start.substr(0, start.size() & ~size_t(1)), lines)) return ERROR_INVALID_DATA;
    lines.pop_back();   // after the last line end, or cut off
    if (lines.empty()) return ERROR_INVALID_DATA;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::wstring line = TrimLeft(lines[i]);
        if (line.empty()) continue;
        if (line[0] != L';') break;
        comments.push_back(line.substr(1));
    }
    return ERROR_SUCCESS;
}
