// Backups changed at random, a few thousand from a fixed seed, are read or
// refused: no crash, no hang, and what is read is never larger than the file.
#include <gtest/gtest.h>
#include "BackupTestValues.h"
#include "verbsmith/core/RegFile.h"
#include "tests/support/Mutator.h"

namespace {
size_t Size(const std::wstring& text) { return text.size() * sizeof(wchar_t); }
}  // namespace

TEST(RegFileFuzz, ReadsOrRefusesEveryChangedBackup) {
    // A backup as the store writes it: UTF-16 with its mark, a deleting block, every kind of value, wrapped hex.
    RegDocument document{{L" Location: HKEY_USERS\\A"}, {{L"HKEY_USERS\\A", true, {}}, {L"HKEY_USERS\\A", false, {}}}};
    for (const TestValue& value : BackupTestValues()) document.keys[1].values.push_back({value.name, value.type, value.data});
    std::string written;
    ASSERT_EQ(DWORD(ERROR_SUCCESS), FormatRegFile(document, written));
    std::vector<std::string> tokens = {"\xFF\xFE"};
    for (const wchar_t* piece : {L"[", L"]", L"-", L"\"", L"\\", L"=", L";", L"@", L",", L",\\\r\n", L"hex(", L"dword:"})
        tokens.push_back(Utf16(piece, false));
    Mutator mutated(20261208, tokens, 256, 2);
    for (int i = 0; i < 3000; ++i) {
        const std::string bytes = mutated(written);
        RegDocument read;
        std::vector<std::wstring> comments;   // the same lines as read.comments: counted once
        size_t size = 0;
        if (ParseRegFile(bytes, read) == ERROR_SUCCESS)
            for (const RegKeyBlock& key : read.keys) {
                size += Size(key.name);
                for (const RegValue& value : key.values) size += Size(value.name) + value.data.size();
            }
        if (ParseRegComments(bytes, comments) == ERROR_SUCCESS)
            for (const std::wstring& comment : comments) size += Size(comment);
        EXPECT_LE(size, bytes.size()) << i;
    }
}
