#include <gtest/gtest.h>
#include "BackupTestValues.h"
#include "tests/support/RegistryTree.h"
#include "verbsmith/core/KeySnapshot.h"

namespace {

const wchar_t kKey[] = L"Software\\Classes\\*\\shell\\Entry";
const wchar_t kKeyName[] = L"HKEY_CURRENT_USER\\Software\\Classes\\*\\shell\\Entry";

std::string FileOf(const std::wstring& text) { return Utf16(L"\xFEFF" + text, false); }

class ValueRoundTrip : public testing::TestWithParam<TestValue> {
protected:
    RegistrySandbox sandbox;
};

}  // namespace

// Snapshot, .reg file, read back, applied onto a key changed since: the key
// and its sub key hold exactly what they held, read independently.
TEST_P(ValueRoundTrip, KeepsTypeAndBytes) {
    const TestValue& value = GetParam();
    reg::SetRaw(HKEY_CURRENT_USER, kKey, value.name, value.type, value.data);
    reg::SetRaw(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\command", value.name, value.type, value.data);
    const std::wstring before = reg::Tree(HKEY_CURRENT_USER, kKey);

    KeySnapshot snapshot;
    ASSERT_EQ(DWORD(ERROR_SUCCESS), TakeKeySnapshot(kKeyName, snapshot));
    EXPECT_TRUE(snapshot.existed);
    std::string bytes;
    ASSERT_EQ(DWORD(ERROR_SUCCESS), FormatRegFile(snapshot.document, bytes));
    RegDocument read;
    ASSERT_EQ(DWORD(ERROR_SUCCESS), ParseRegFile(bytes, read));

    reg::SetDword(HKEY_CURRENT_USER, kKey, value.name, 7);
    reg::SetText(HKEY_CURRENT_USER, kKey, L"later", L"x");
    reg::SetText(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\command\\later", L"", L"x");
    ASSERT_NE(before, reg::Tree(HKEY_CURRENT_USER, kKey));
    ASSERT_EQ(DWORD(ERROR_SUCCESS), ApplyRegDocument(read));
    EXPECT_EQ(before, reg::Tree(HKEY_CURRENT_USER, kKey));
}

INSTANTIATE_TEST_SUITE_P(Types, ValueRoundTrip, testing::ValuesIn(BackupTestValues()),
                         [](const testing::TestParamInfo<TestValue>& info) { return std::string(info.param.label); });

// The short forms stand only where they give the bytes back exactly.
TEST(RegFile, WritesRegeditsFormsAndHexForEverythingElse) {
    const struct {
        RegValue value;
        const wchar_t* line;
    } cases[] = {
        {{L"", REG_SZ, Utf16(L"a\\b \"c\"")}, L"@=\"a\\\\b \\\"c\\\"\""},
        {{L"q\"\\", REG_SZ, Utf16(L"")}, L"\"q\\\"\\\\\"=\"\""},
        {{L"n", REG_SZ, Utf16(L"ab", false)}, L"\"n\"=hex(1):61,00,62,00"},
        {{L"n", REG_SZ, Utf16(L"a\nb")}, L"\"n\"=hex(1):61,00,0a,00,62,00,00,00"},
        {{L"n", REG_EXPAND_SZ, Utf16(L"%a%")}, L"\"n\"=hex(2):25,00,61,00,25,00,00,00"},
        {{L"n", REG_DWORD, std::string("\x0f\0\0\xa0", 4)}, L"\"n\"=dword:a000000f"},
        {{L"n", REG_DWORD, std::string("\x0f\0", 2)}, L"\"n\"=hex(4):0f,00"},
        {{L"n", REG_BINARY, ""}, L"\"n\"=hex:"},
        {{L"n", REG_QWORD, std::string(8, '\x11')}, L"\"n\"=hex(b):11,11,11,11,11,11,11,11"},
        {{L"n", REG_NONE, "\x01"}, L"\"n\"=hex(0):01"},
        {{L"n", REG_BINARY, std::string(30, '\xab')},
         L"\"n\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\r\n"
         L"  ab,ab,ab,ab,ab,ab,ab"},
    };
    for (const auto& c : cases) {
        std::string bytes;
        ASSERT_EQ(DWORD(ERROR_SUCCESS), FormatRegFile({{L" note"}, {{L"HKEY_CURRENT_USER\\K", false, {c.value}}}}, bytes));
        EXPECT_EQ(FileOf(L"Windows Registry Editor Version 5.00\r\n\r\n; note\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" +
                         std::wstring(c.line) + L"\r\n\r\n"),
                  bytes);
    }
    std::string bytes;
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), FormatRegFile({{}, {{L"HKEY_CURRENT_USER\\K", false, {{L"a\nb", REG_SZ, ""}}}}}, bytes));
}

TEST(RegFile, ReadsWrappedAndUnwrappedHexAndRefusesWhatItDoesNotUnderstand) {
    const std::wstring header = L"Windows Registry Editor Version 5.00\r\n\r\n; top\r\n";
    for (const wchar_t* data : {L"hex(7):61,00,\\\r\n  00,00", L"hex(7):61,00,00,00", L"hex(7):61,00,\\\n\t00,00 "}) {
        RegDocument document;
        ASSERT_EQ(DWORD(ERROR_SUCCESS),
                  ParseRegFile(FileOf(header + L"[-HKEY_USERS\\A]\r\n[HKEY_USERS\\A]\r\n; inside\r\n\"x\"=" + data +
                                      L"\r\n@=dword:0000002A\r\n"),
                               document));
        ASSERT_EQ(1u, document.comments.size());
        EXPECT_EQ(L" top", document.comments[0]);
        ASSERT_EQ(2u, document.keys.size());
        EXPECT_TRUE(document.keys[0].remove);
        EXPECT_EQ(L"HKEY_USERS\\A", document.keys[1].name);
        ASSERT_EQ(2u, document.keys[1].values.size());
        EXPECT_EQ(DWORD(REG_MULTI_SZ), document.keys[1].values[0].type);
        EXPECT_EQ(Utf16(std::wstring(L"a\0", 2), false), document.keys[1].values[0].data);
        EXPECT_EQ(std::string("\x2a\0\0\0", 4), document.keys[1].values[1].data);
    }
    for (const wchar_t* body : {L"\"x\"=\"a\"\r\n", L"[K]\r\n\"x\"=\"a\r\n", L"[K]\r\n\"x\"=dword:123456789\r\n",
                                L"[K]\r\n\"x\"=hex:1g\r\n", L"[K]\r\n\"x\"=-\r\n", L"[-K]\r\n@=\"a\"\r\n",
                                L"[K\r\n", L"[K]\r\nx=\"a\"\r\n"}) {
        RegDocument document;
        EXPECT_EQ(DWORD(ERROR_INVALID_DATA), ParseRegFile(FileOf(header + body), document)) << body;
    }
    RegDocument document;
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), ParseRegFile("REGEDIT4\r\n", document));
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), ParseRegFile(FileOf(L"REGEDIT4\r\n"), document));
}
