#include "verbsmith/core/RegFile.h"
#include <cstring>

namespace {

const size_t kHexLineWidth = 76;   // regedit wraps hex data before 80 columns

bool HoldsLineBreak(const std::wstring& text) { return text.find_first_of(L"\r\n") != std::wstring::npos; }

std::wstring Quoted(const std::wstring& text) {
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"') quoted += L'\\';
        quoted += c;
    }
    return quoted + L"\"";
}

// The text of a REG_SZ whose bytes are exactly one string and its NUL;
// false when the quoted form would not give those bytes back.
bool PlainText(const RegValue& value, std::wstring& text) {
    const std::string& data = value.data;
    if (value.type != REG_SZ || data.size() < 2 || data.size() % 2 != 0) return false;
    text.assign(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2 - 1);
    const bool terminated = data[data.size() - 1] == 0 && data[data.size() - 2] == 0;
    return terminated && text.find(L'\0') == std::wstring::npos && !HoldsLineBreak(text);
}

// Lowercase hex digits, at least width of them.
std::wstring HexNumber(DWORD number, size_t width) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), L"0123456789abcdef"[number & 15]);
        number >>= 4;
    } while (number != 0);
    return std::wstring(digits.size() < width ? width - digits.size() : 0, L'0') + digits;
}

// "hex:" or "hex(N):" and the bytes, wrapped like regedit's own lines.
std::wstring HexData(const std::wstring& start, const RegValue& value) {
    std::wstring line = start + (value.type == REG_BINARY ? L"hex:" : L"hex(" + HexNumber(value.type, 1) + L"):");
    size_t column = line.size();
    for (size_t i = 0; i < value.data.size(); ++i) {
        line += HexNumber(static_cast<BYTE>(value.data[i]), 2);
        column += 2;
        if (i + 1 == value.data.size()) break;
        line += L',';
        if (++column >= kHexLineWidth) {
            line += L"\\\r\n  ";
            column = 2;
        }
    }
    return line;
}

std::wstring ValueLine(const RegValue& value) {
    const std::wstring start = (value.name.empty() ? L"@" : Quoted(value.name)) + L"=";
    std::wstring text;
    if (PlainText(value, text)) return start + Quoted(text);
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number;
        memcpy(&number, value.data.data(), sizeof number);
        return start + L"dword:" + HexNumber(number, 8);
    }
    return HexData(start, value);
}

}  // namespace

DWORD FormatRegFile(const RegDocument& document, std::string& bytes) {
    std::wstring text = L"\xFEFFWindows Registry Editor Version 5.00\r\n\r\n";
    for (const std::wstring& comment : document.comments) {
        if (HoldsLineBreak(comment)) return ERROR_INVALID_DATA;
        text += L";" + comment + L"\r\n";
    }
    if (!document.comments.empty()) text += L"\r\n";
    for (const RegKeyBlock& key : document.keys) {
        if (HoldsLineBreak(key.name)) return ERROR_INVALID_DATA;
        text += (key.remove ? L"[-" : L"[") + key.name + L"]\r\n";
        for (const RegValue& value : key.values) {
            if (HoldsLineBreak(value.name)) return ERROR_INVALID_DATA;
            text += ValueLine(value) + L"\r\n";
        }
        text += L"\r\n";
    }
    bytes.assign(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return ERROR_SUCCESS;
}
