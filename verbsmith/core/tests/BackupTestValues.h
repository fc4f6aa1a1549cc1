#pragma once
// Registry values of every kind a backup must give back byte for byte,
// shared by the round-trip tests and the test with the prefix's regedit.
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

struct TestValue {
    const char* label;   // the test's name
    std::wstring name;
    DWORD type;
    std::string data;
};

inline void PrintTo(const TestValue& value, std::ostream* out) { *out << value.label; }

inline std::string Utf16(const std::wstring& text, bool terminated = true) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + terminated) * sizeof(wchar_t));
}

inline std::vector<TestValue> BackupTestValues() {
    std::string blob;
    for (int i = 0; i < 200; ++i) blob += static_cast<char>(i);
    return {
        {"Text", L"Path \\ \"quoted\"", REG_SZ, Utf16(L"\"C:\\Program Files\\App\\app.exe\" \"%1\"")},
        {"DefaultValue", L"", REG_SZ, Utf16(L"Open with App")},
        {"EmptyText", L"Empty", REG_SZ, Utf16(L"")},
        {"NoBytes", L"Nothing", REG_SZ, ""},
        {"TextWithoutNul", L"NoNul", REG_SZ, Utf16(L"abc", false)},
        {"OddByteCount", L"Odd", REG_SZ, std::string("a\0b", 3)},
        {"EmbeddedNul", L"Embedded", REG_SZ, Utf16(std::wstring(L"a\0b", 3))},
        {"LineBreak", L"Lines", REG_SZ, Utf16(L"one\r\ntwo")},
        {"BeyondEightBits", L"Gr\x00FC\x00DF" L"e \x4E2D\xD83D\xDE00", REG_SZ, Utf16(L"\x0416 \x4E2D\xD83D\xDE00 \x00E9")},
        {"ExpandText", L"Command", REG_EXPAND_SZ, Utf16(L"%SystemRoot%\\notepad.exe %1")},
        {"MultiText", L"List", REG_MULTI_SZ, Utf16(std::wstring(L"one\0two\0", 8))},
        {"Dword", L"Flags", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
        {"ThreeByteDword", L"Short", REG_DWORD, std::string("\x01\x02\x03", 3)},
        {"EightByteDword", L"Long", REG_DWORD, std::string(8, '\x7f')},
        {"Binary", L"Blob", REG_BINARY, blob},
        {"EmptyBinary", L"NoBlob", REG_BINARY, ""},
        {"Qword", L"Big", REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
        {"None", L"Marker", REG_NONE, std::string("\x00\x01", 2)},
        {"OtherType", L"Own type", 0x12345, "\xFF"},
    };
}
