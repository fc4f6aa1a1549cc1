#include <gtest/gtest.h>
#include "common/PowerClass.h"
#include "common/RegistryPlace.h"
#include "framework/testkit/RecordingWrites.h"
#include "tests/support/RegistrySandbox.h"
#include <algorithm>

namespace {
const tstring kLanguageKey = _T("SYSTEM\\CurrentControlSet\\Control\\Nls\\Language");
const tstring kShellFolders = _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
const tstring kToolcrate = _T("Software\\Vantorel\\Vantorel Toolcrate");

void SetRaw(HKEY root, const tstring& key, const tstring& name, DWORD type, const void* data,
            DWORD size) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyEx(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(k, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(k);
}

tstrings Sorted(tstrings names) {
    std::sort(names.begin(), names.end());
    return names;
}
}

TEST(RegistryText, EmptyKeyPathOrUnknownKindGivesTheFixedText) {
    RegistrySandbox sandbox;
    reg::SetText(HKEY_LOCAL_MACHINE, kLanguageKey, _T("Default"), _T("0407"));
    PowerClass power;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kLocalMachine, _T("Default")),
              _T("Registry key was not found :-( "));
    EXPECT_EQ(tstring(PowerClass::kKeyNotFound), _T("Registry key was not found :-( "));
    power.subKey = kLanguageKey;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kLocalMachine, _T("Default")), _T("0407"));
    EXPECT_EQ(power.ReadRegistryText(3, _T("Default")), PowerClass::kKeyNotFound);
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kFullPath, _T("Default")), PowerClass::kKeyNotFound);
}

TEST(RegistryText, KindsReadTheirRoots) {
    RegistrySandbox sandbox;
    const tstring key = _T("Software\\Probe");
    reg::SetText(HKEY_CURRENT_USER, key, _T("v"), _T("user"));
    reg::SetText(HKEY_LOCAL_MACHINE, key, _T("v"), _T("machine"));
    reg::SetText(HKEY_CLASSES_ROOT, key, _T("v"), _T("classes"));
    reg::SetText(HKEY_CURRENT_USER, kShellFolders, _T("SendTo"), _T("C:\\users\\me\\SendTo"));
    reg::SetText(HKEY_CLASSES_ROOT, _T(""), _T("atRoot"), _T("root"));
    PowerClass power;
    power.subKey = key;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("v")), _T("user"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kLocalMachine, _T("v")), _T("machine"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kClassesRoot, _T("v")), _T("classes"));
    // Kind 0 reads the user's shell folders whatever subKey says.
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kShellFolders, _T("SendTo")), _T("C:\\users\\me\\SendTo"));
    // Kind 4 with no key path reads the classes root itself.
    power.subKey.clear();
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kClassesRoot, _T("atRoot")), _T("root"));
}

TEST(RegistryText, MissingKeyOrValueIsEmptyAndOtherTypesAreNoRegSz) {
    RegistrySandbox sandbox;
    const tstring key = _T("Software\\Probe");
    reg::SetDword(HKEY_CURRENT_USER, key, _T("dword"), 7);
    const TCHAR expand[] = _T("%SystemRoot%\\x");
    SetRaw(HKEY_CURRENT_USER, key, _T("expand"), REG_EXPAND_SZ, expand, sizeof expand);
    PowerClass power;
    power.subKey = key;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("dword")), _T("No REG_SZ"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("expand")), _T("No REG_SZ"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("none")), _T(""));
    power.subKey = _T("Software\\Nothing");
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("dword")), _T(""));
}

TEST(RegistryPlace, ReadsValuesWithTheirTypeAndText) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_CLASSES_ROOT, _T("Software\\Probe")};
    const tstring big = tstring(70000, _T('x')) + _T("end");
    reg::SetText(HKEY_CLASSES_ROOT, place.path, _T("big"), big);
    const TCHAR bare[] = {_T('a'), _T('b'), _T('c')};   // no terminating NUL
    SetRaw(HKEY_CLASSES_ROOT, place.path, _T("bare"), REG_SZ, bare, sizeof bare);
    const TCHAR expand[] = _T("%SystemRoot%\\x");
    SetRaw(HKEY_CLASSES_ROOT, place.path, _T("expand"), REG_EXPAND_SZ, expand, sizeof expand);
    const TCHAR multi[] = _T("a\0b\0");
    SetRaw(HKEY_CLASSES_ROOT, place.path, _T("multi"), REG_MULTI_SZ, multi, sizeof multi);
    reg::SetDword(HKEY_CLASSES_ROOT, place.path, _T("dword"), 0x0407);
    const struct {
        tstring name;
        DWORD type;
        tstring text;
        std::optional<tstring> sz;   // what ReadText gives
    } rows[] = {
        {_T("big"), REG_SZ, big, big},
        {_T("bare"), REG_SZ, _T("abc"), _T("abc")},
        {_T("expand"), REG_EXPAND_SZ, expand, std::nullopt},
        {_T("multi"), REG_MULTI_SZ, _T(""), std::nullopt},
        {_T("dword"), REG_DWORD, _T(""), std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<RegistryValue> value = registry::ReadValue(place, row.name);
        ASSERT_TRUE(value);
        EXPECT_EQ(row.type, value->type);
        EXPECT_EQ(row.text, value->text);
        EXPECT_EQ(row.sz, registry::ReadText(place, row.name));
    }
    EXPECT_EQ((std::vector<BYTE>{7, 4, 0, 0}), registry::ReadValue(place, _T("dword"))->data);
    EXPECT_FALSE(registry::ReadValue(place, _T("none")));
    EXPECT_FALSE(registry::ReadValue({HKEY_CLASSES_ROOT, _T("Software\\Nothing")}, _T("big")));
}

TEST(RegistryByte, GivesTheFirstByteOfTheData) {
    RegistrySandbox sandbox;
    const tstring key = _T("Software\\Vantorel\\Tracebane");
    reg::SetDword(HKEY_LOCAL_MACHINE, key, _T("background control"), 0x1234);
    std::string binary(40, '\x09');
    binary[0] = '\x07';
    SetRaw(HKEY_LOCAL_MACHINE, key, _T("long"), REG_BINARY, binary.data(), 40);
    PowerClass power;
    power.subKey = key;
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kLocalMachine, _T("background control")), 0x34);
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kLocalMachine, _T("long")), 7);
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kLocalMachine, _T("none")), 0);
    power.subKey = _T("Software\\Nothing");
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kLocalMachine, _T("background control")), 0);
    power.subKey.clear();
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kLocalMachine, _T("background control")), 1);
}

TEST(RegistryByte, FullPathNamesItsRoot) {
    RegistrySandbox sandbox;
    reg::SetDword(HKEY_LOCAL_MACHINE, _T("Software\\Vantorel\\Bootkindle"), _T("bg"), 2);
    reg::SetDword(HKEY_CURRENT_USER, _T("Software\\Vantorel\\Bootkindle"), _T("bg"), 3);
    PowerClass power;
    power.subKey = _T("HKEY_LOCAL_MACHINE\\\\Software\\\\Vantorel\\\\Bootkindle");
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kFullPath, _T("bg")), 2);
    power.subKey = _T("HKEY_CURRENT_USER\\\\Software\\\\Vantorel\\\\Bootkindle");
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kFullPath, _T("bg")), 3);
    power.subKey = _T("HKEY_CLASSES_ROOT\\\\Software\\\\Vantorel\\\\Bootkindle");
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kFullPath, _T("bg")), 1);
    power.subKey = _T("HKEY_LOCAL_MACHINE");
    EXPECT_EQ(power.ReadRegistryByte(PowerClass::kFullPath, _T("bg")), 1);
}

TEST(RegistryPlace, ListsSubKeysAndValueNames) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_CLASSES_ROOT, _T("Directory\\shellex\\ContextMenuHandlers")};
    const tstring longName(1000, _T('n'));
    reg::SetText(HKEY_CLASSES_ROOT, place.path + _T("\\Alpha"), _T(""), _T("{1}"));
    reg::SetText(HKEY_CLASSES_ROOT, place.path + _T("\\Beta"), _T(""), _T("{2}"));
    reg::SetText(HKEY_CLASSES_ROOT, place.path, _T("one"), _T("1"));
    reg::SetText(HKEY_CLASSES_ROOT, place.path, longName, _T("2"));
    const std::optional<RegistryNames> names = registry::ListNames(place);
    ASSERT_TRUE(names);
    EXPECT_EQ(Sorted(names->subKeys), (tstrings{_T("Alpha"), _T("Beta")}));
    EXPECT_EQ(Sorted(names->values), Sorted({_T("one"), longName}));
    const std::optional<RegistryNames> alpha =
        registry::ListNames({HKEY_CLASSES_ROOT, place.path + _T("\\Alpha")});
    ASSERT_TRUE(alpha);
    EXPECT_TRUE(alpha->subKeys.empty());
    EXPECT_EQ(alpha->values, tstrings{_T("")});   // the default value
    EXPECT_FALSE(registry::ListNames({HKEY_CLASSES_ROOT, _T("Nothing")}));
}

TEST(EnumerateKey, ReplacesTheListsOfTheLastRun) {
    RegistrySandbox sandbox;
    reg::SetText(HKEY_CLASSES_ROOT, _T("Directory\\Alpha"), _T("one"), _T("1"));
    PowerClass power;
    for (const TCHAR* key : {_T("Directory"), _T("Directory\\Alpha")}) {
        HKEY k;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &k), ERROR_SUCCESS);
        power.EnumerateKey(k);
        RegCloseKey(k);
    }
    EXPECT_TRUE(power.subKeyNames.empty());
    EXPECT_EQ(power.valueNames, tstrings{_T("one")});
}

TEST(RegistryPlace, DeletesOneValueOrOneKeyTree) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_CURRENT_USER, kToolcrate};
    reg::SetText(HKEY_CURRENT_USER, kToolcrate, _T("active"), _T("x"));
    reg::SetText(HKEY_CURRENT_USER, kToolcrate, _T("other"), _T("y"));
    EXPECT_TRUE(registry::DeleteValue(place, _T("active")));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), registry::DeleteValue(place, _T("active")).error);
    EXPECT_TRUE(reg::ValueExists(HKEY_CURRENT_USER, kToolcrate, _T("other")));

    const RegistryPlace shell{HKEY_CLASSES_ROOT, _T("*\\shell")};
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit it\\command\\deeper"), _T(""), _T("app.exe %1"));
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Keep\\command"), _T(""), _T("keep.exe"));
    EXPECT_TRUE(registry::DeleteKeyTree(shell, _T("Edit it")));
    EXPECT_FALSE(registry::DeleteKeyTree(shell, _T("Edit it")));
    // No name: nothing is deleted, not even the key itself.
    EXPECT_FALSE(registry::DeleteKeyTree(shell, _T("")));
    EXPECT_EQ(reg::SubKeys(HKEY_CLASSES_ROOT, _T("*\\shell")), tstrings{_T("Keep")});
}

TEST(RegistryPlace, WritesNameAndTextWhole) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_CLASSES_ROOT, _T("*\\shell\\Caf\xE9 verb\\command")};
#ifdef UNICODE
    const tstring name = tstring(400, L'n') + L"\x0416";
    const tstring data = L"\"C:\\\x65E5\x672C\\app.exe\" \"%1\" " + tstring(1000, L'd');
#else
    const tstring name = tstring(400, 'n') + "\xE9";
    const tstring data = "\"C:\\Caf\xE9\\app.exe\" \"%1\" " + tstring(1000, 'd');
#endif
    EXPECT_TRUE(registry::WriteText(place, name, data));
    EXPECT_TRUE(registry::WriteText(place, _T(""), _T("%SystemRoot%"), REG_EXPAND_SZ));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, registry::WriteText(place, _T("d"), _T("7"), REG_DWORD).error);
    EXPECT_EQ(reg::GetText(HKEY_CLASSES_ROOT, place.path, name), data);
    EXPECT_EQ(registry::ReadValue(place, _T(""))->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_FALSE(reg::ValueExists(HKEY_CLASSES_ROOT, place.path, _T("d")));
}

TEST(RegistryKinds, WritesAndDeletesGoToTheirRoots) {
    RegistrySandbox sandbox;
    const struct {
        int kind;
        HKEY root;   // nullptr: the kind has no place for them
    } rows[] = {{PowerClass::kShellFolders, HKEY_LOCAL_MACHINE},
                {PowerClass::kCurrentUser, HKEY_CURRENT_USER},
                {PowerClass::kClassesRoot, HKEY_CLASSES_ROOT},
                {PowerClass::kLocalMachine, nullptr}};
    PowerClass power;
    power.subKey = kToolcrate;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        const DWORD expected = row.root ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
        EXPECT_EQ(expected, power.WriteRegistryValue(row.kind, _T("v"), _T("value")).error);
        EXPECT_EQ(expected, power.WriteRegistryFixed(row.kind, _T("f"), _T("fixed")).error);
        EXPECT_EQ(expected, power.DeleteRegistryValue(row.kind, _T("v")).error);
        if (row.root) {
            EXPECT_EQ(reg::GetText(row.root, kToolcrate, _T("f")), _T("fixed"));
            EXPECT_FALSE(reg::ValueExists(row.root, kToolcrate, _T("v")));
        }
    }
    power.subKey = _T("Software\\Vantorel");
    EXPECT_TRUE(power.DeleteClassesKeyTree(_T("Vantorel Toolcrate")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, kToolcrate));
    EXPECT_TRUE(reg::KeyExists(HKEY_CURRENT_USER, kToolcrate));
}

// The narrow size as the launcher's modules read it back.
TEST(RegistryPlace, FixedTextIsThreeHundredFiftyBytes) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_LOCAL_MACHINE, kToolcrate};
    for (const auto& row : {std::make_pair(tstring(_T("x")), std::string("x")),
                            std::make_pair(tstring(500, _T('y')), std::string(349, 'y'))}) {
        EXPECT_TRUE(registry::WriteFixedText(place, _T("active"), row.first));
        HKEY k;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vantorel\\Vantorel Toolcrate", 0,
                                KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
        char data[400] = {};
        DWORD type = 0, size = sizeof data;
        EXPECT_EQ(RegQueryValueExA(k, "active", nullptr, &type, reinterpret_cast<BYTE*>(data),
                                   &size), ERROR_SUCCESS);
        RegCloseKey(k);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(std::string(data, size), row.second + std::string(350 - row.second.size(), '\0'));
    }
}

// What Windows refuses and Wine grants: every change asks the write seam
// first, by the key it changes, and a refusal changes nothing.
TEST(RegistryPlace, RefusedChangesChangeNothing) {
    RegistrySandbox sandbox;
    const RegistryPlace place{HKEY_CURRENT_USER, kToolcrate};
    reg::SetText(HKEY_CURRENT_USER, kToolcrate + _T("\\sub"), _T("v"), _T("old"));
    reg::SetText(HKEY_CURRENT_USER, kToolcrate, _T("v"), _T("old"));
    RecordingWrites writes;
    writes.changeError = ERROR_ACCESS_DENIED;
    for (const WriteResult& result : {registry::WriteText(place, _T("v"), _T("new")),
                                      registry::WriteFixedText(place, _T("v"), _T("new")),
                                      registry::DeleteValue(place, _T("v")),
                                      registry::DeleteKeyTree(place, _T("sub"))})
        EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), result.error);
    const tstring change = _T("change ") + kToolcrate;
    EXPECT_EQ(writes.calls, (tstrings{change, change, change, change + _T("\\sub")}));
    EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, kToolcrate, _T("v")), _T("old"));
    EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, kToolcrate + _T("\\sub"), _T("v")), _T("old"));
}
