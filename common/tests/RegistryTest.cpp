#include <gtest/gtest.h>
#include "common/PowerClass.h"
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
    const TCHAR multi[] = _T("a\0b\0");
    SetRaw(HKEY_CURRENT_USER, key, _T("multi"), REG_MULTI_SZ, multi, sizeof multi);
    PowerClass power;
    power.subKey = key;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("dword")), _T("No REG_SZ"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("expand")), _T("No REG_SZ"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("multi")), _T("No REG_SZ"));
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("none")), _T(""));
    power.subKey = _T("Software\\Nothing");
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kCurrentUser, _T("dword")), _T(""));
}

TEST(RegistryText, LongValuesAreReadWholeAndUnterminatedOnesEndAtTheirData) {
    RegistrySandbox sandbox;
    const tstring key = _T("Software\\Probe");
    tstring big(70000, _T('x'));
    big += _T("end");
    reg::SetText(HKEY_CLASSES_ROOT, key, _T("big"), big);
    const TCHAR bare[] = {_T('a'), _T('b'), _T('c')};   // no terminating NUL
    SetRaw(HKEY_CLASSES_ROOT, key, _T("bare"), REG_SZ, bare, sizeof bare);
    PowerClass power;
    power.subKey = key;
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kClassesRoot, _T("big")), big);
    EXPECT_EQ(power.ReadRegistryText(PowerClass::kClassesRoot, _T("bare")), _T("abc"));
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

TEST(EnumerateKey, ListsSubKeysAndValuesAnew) {
    RegistrySandbox sandbox;
    const tstring key = _T("Directory\\shellex\\ContextMenuHandlers");
    const tstring longName(1000, _T('n'));
    reg::SetText(HKEY_CLASSES_ROOT, key + _T("\\Alpha"), _T(""), _T("{1}"));
    reg::SetText(HKEY_CLASSES_ROOT, key + _T("\\Beta"), _T(""), _T("{2}"));
    reg::SetText(HKEY_CLASSES_ROOT, key, _T("one"), _T("1"));
    reg::SetText(HKEY_CLASSES_ROOT, key, longName, _T("2"));
    PowerClass power;
    HKEY k;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k), ERROR_SUCCESS);
    power.EnumerateKey(k);
    power.EnumerateKey(k);   // a second run replaces, not adds
    RegCloseKey(k);
    EXPECT_EQ(Sorted(power.subKeyNames), (tstrings{_T("Alpha"), _T("Beta")}));
    EXPECT_EQ(Sorted(power.valueNames), Sorted({_T("one"), longName}));

    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, (key + _T("\\Alpha")).c_str(), 0, KEY_READ, &k),
              ERROR_SUCCESS);
    power.EnumerateKey(k);
    RegCloseKey(k);
    EXPECT_TRUE(power.subKeyNames.empty());
    EXPECT_EQ(power.valueNames, tstrings{_T("")});   // the default value
}

TEST(DeleteRegistryValue, KindZeroDeletesOnTheMachineAndOneForTheUser) {
    RegistrySandbox sandbox;
    reg::SetText(HKEY_LOCAL_MACHINE, kToolcrate, _T("active"), _T("x"));
    reg::SetText(HKEY_CURRENT_USER, kToolcrate, _T("active"), _T("x"));
    reg::SetText(HKEY_CURRENT_USER, kToolcrate, _T("other"), _T("y"));
    PowerClass power;
    power.subKey = kToolcrate;
    EXPECT_TRUE(power.DeleteRegistryValue(PowerClass::kShellFolders, _T("active")));
    EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kToolcrate, _T("active")));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND),
              power.DeleteRegistryValue(PowerClass::kShellFolders, _T("active")).error);
    EXPECT_TRUE(reg::ValueExists(HKEY_CURRENT_USER, kToolcrate, _T("active")));
    EXPECT_TRUE(power.DeleteRegistryValue(PowerClass::kCurrentUser, _T("active")));
    EXPECT_FALSE(reg::ValueExists(HKEY_CURRENT_USER, kToolcrate, _T("active")));
    EXPECT_TRUE(reg::ValueExists(HKEY_CURRENT_USER, kToolcrate, _T("other")));
    // Kind 2 has no place to delete in.
    reg::SetText(HKEY_LOCAL_MACHINE, kToolcrate, _T("active"), _T("x"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER),
              power.DeleteRegistryValue(PowerClass::kLocalMachine, _T("active")).error);
    EXPECT_TRUE(reg::ValueExists(HKEY_LOCAL_MACHINE, kToolcrate, _T("active")));
}

TEST(DeleteClassesKeyTree, RemovesTheKeyWithEverythingBelowIt) {
    RegistrySandbox sandbox;
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit it\\command"), _T(""), _T("app.exe %1"));
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Keep\\command"), _T(""), _T("keep.exe"));
    PowerClass power;
    power.subKey = _T("*\\shell");
    EXPECT_TRUE(power.DeleteClassesKeyTree(_T("Edit it")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit it")));
    EXPECT_FALSE(power.DeleteClassesKeyTree(_T("Edit it")));
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Keep\\command")));
    // No name: nothing is deleted, not even the key itself.
    EXPECT_FALSE(power.DeleteClassesKeyTree(_T("")));
    EXPECT_EQ(reg::SubKeys(HKEY_CLASSES_ROOT, _T("*\\shell")), tstrings{_T("Keep")});
}

TEST(WriteRegistryValue, StoresNameAndDataWhole) {
    RegistrySandbox sandbox;
    const tstring key = _T("*\\shell\\Caf\xE9 verb\\command");
#ifdef UNICODE
    const tstring name = tstring(400, L'n') + L"\x0416";
    const tstring data = L"\"C:\\\x65E5\x672C\\app.exe\" \"%1\" " + tstring(1000, L'd');
#else
    const tstring name = tstring(400, 'n') + "\xE9";
    const tstring data = "\"C:\\Caf\xE9\\app.exe\" \"%1\" " + tstring(1000, 'd');
#endif
    PowerClass power;
    power.subKey = key;
    EXPECT_TRUE(power.WriteRegistryValue(PowerClass::kClassesRoot, name, data));
    EXPECT_TRUE(power.WriteRegistryValue(PowerClass::kClassesRoot, _T(""), _T("default")));
    EXPECT_EQ(reg::GetText(HKEY_CLASSES_ROOT, key, name), data);
    EXPECT_EQ(reg::GetText(HKEY_CLASSES_ROOT, key, _T("")), _T("default"));
}

TEST(WriteRegistryValue, KindsChooseTheRoot) {
    RegistrySandbox sandbox;
    PowerClass power;
    power.subKey = kToolcrate;
    EXPECT_TRUE(power.WriteRegistryValue(PowerClass::kShellFolders, _T("v"), _T("machine")));
    EXPECT_TRUE(power.WriteRegistryValue(PowerClass::kCurrentUser, _T("v"), _T("user")));
    EXPECT_FALSE(power.WriteRegistryValue(PowerClass::kLocalMachine, _T("w"), _T("nowhere")));
    EXPECT_EQ(reg::GetText(HKEY_LOCAL_MACHINE, kToolcrate, _T("v")), _T("machine"));
    EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, kToolcrate, _T("v")), _T("user"));
    EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kToolcrate, _T("w")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, kToolcrate));
}

TEST(WriteRegistryFixed, WritesThreeHundredFiftyBytes) {
    RegistrySandbox sandbox;
    PowerClass power;
    power.subKey = kToolcrate;
    EXPECT_TRUE(power.WriteRegistryFixed(PowerClass::kShellFolders, _T("active"), _T("x")));
    EXPECT_EQ(reg::GetText(HKEY_LOCAL_MACHINE, kToolcrate, _T("active")), _T("x"));
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, kToolcrate));

    // The narrow size as the launcher reads it back.
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vantorel\\Vantorel Toolcrate", 0,
                            KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
    char data[400] = {};
    DWORD type = 0, size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(k, "active", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 350u);
    EXPECT_EQ(std::string(data, size), std::string("x") + std::string(349, '\0'));
}

TEST(WriteRegistryFixed, LongDataIsCutToFitWithItsNul) {
    RegistrySandbox sandbox;
    PowerClass power;
    power.subKey = kToolcrate;
    EXPECT_TRUE(power.WriteRegistryFixed(PowerClass::kCurrentUser, _T("active"), tstring(500, _T('y'))));
    EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, kToolcrate, _T("active")), tstring(349, _T('y')));
}
