#include "common/PowerClass.h"
#include "common/WideText.h"
#include "framework/Handles.h"
#include "framework/WriteSeam.h"
#include <shlwapi.h>
#include <algorithm>

namespace {
const TCHAR kShellFoldersKey[] = _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
// Most values are short: the buffer starts small and grows to what the
// registry asks for, so a long value is still read whole.
const DWORD kTextBufferChars = 256;
const DWORD kByteBufferSize = 32;

struct Place {
    HKEY root = nullptr;   // none: the kind has no place for the operation
    tstring path;
};

bool StartsWith(const tstring& text, const tstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Where the read operations look.
Place ReadPlace(int kind, const tstring& subKey) {
    switch (kind) {
    case PowerClass::kShellFolders: return {HKEY_CURRENT_USER, kShellFoldersKey};
    case PowerClass::kCurrentUser: return {HKEY_CURRENT_USER, subKey};
    case PowerClass::kLocalMachine: return {HKEY_LOCAL_MACHINE, subKey};
    case PowerClass::kClassesRoot: return {HKEY_CLASSES_ROOT, subKey};
    default: return {};
    }
}

// Where the write and delete operations go: kind 0 is the local machine here.
Place WritePlace(int kind, const tstring& subKey) {
    switch (kind) {
    case PowerClass::kShellFolders: return {HKEY_LOCAL_MACHINE, subKey};
    case PowerClass::kCurrentUser: return {HKEY_CURRENT_USER, subKey};
    case PowerClass::kClassesRoot: return {HKEY_CLASSES_ROOT, subKey};
    default: return {};
    }
}

// Kind 10: "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE", two separator
// characters, then the key path.
Place FullPathPlace(const tstring& fullPath) {
    const tstring user = _T("HKEY_CURRENT_USER"), machine = _T("HKEY_LOCAL_MACHINE");
    if (StartsWith(fullPath, user) && fullPath.size() > user.size() + 2)
        return {HKEY_CURRENT_USER, fullPath.substr(user.size() + 2)};
    if (StartsWith(fullPath, machine) && fullPath.size() > machine.size() + 2)
        return {HKEY_LOCAL_MACHINE, fullPath.substr(machine.size() + 2)};
    return {HKEY_CURRENT_USER, tstring()};
}

// A key place the reads may open: kind 4 opens the classes root itself when
// the path is empty, every other kind needs a path.
bool CanRead(const Place& place, int kind) {
    return place.root && (!place.path.empty() || kind == PowerClass::kClassesRoot);
}

// Queries the value into buffer, which grows to the size the registry asks
// for; the stated size never exceeds the buffer.
LONG QueryValue(HKEY key, const tstring& name, std::vector<BYTE>& buffer, DWORD& type,
                DWORD& size) {
    LONG rc;
    do {
        size = static_cast<DWORD>(buffer.size());
        rc = RegQueryValueEx(key, name.c_str(), nullptr, &type, buffer.data(), &size);
        if (rc == ERROR_MORE_DATA) buffer.assign(std::max<size_t>(size, buffer.size() * 2), 0);
    } while (rc == ERROR_MORE_DATA);
    return rc;
}
}

tstring PowerClass::ReadRegistryText(int kind, const tstring& valueName) const {
    if (!CanRead(ReadPlace(kind, subKey), kind)) return kKeyNotFound;
    DWORD type = 0;
    tstring text;
    if (!ReadRegistryValue(kind, valueName, type, text)) return tstring();
    return type == REG_SZ ? text : kNoRegSz;
}

bool PowerClass::ReadRegistryValue(int kind, const tstring& valueName, DWORD& type,
                                   tstring& text) const {
    Place place = ReadPlace(kind, subKey);
    RegKey key;
    if (!CanRead(place, kind) ||
        RegOpenKeyEx(place.root, place.path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
            ERROR_SUCCESS)
        return false;
    std::vector<BYTE> buffer(kTextBufferChars * sizeof(TCHAR), 0);
    DWORD size = 0;
    if (QueryValue(key.Get(), valueName, buffer, type, size) != ERROR_SUCCESS) return false;
    text.clear();
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        text.assign(reinterpret_cast<const TCHAR*>(buffer.data()), size / sizeof(TCHAR));
        // The text ends at its terminating NUL (stored values need not have one).
        text.erase(std::min(text.find(_T('\0')), text.size()));
    }
    return true;
}

BYTE PowerClass::ReadRegistryByte(int kind, const tstring& valueName) const {
    Place place = kind == kFullPath ? FullPathPlace(subKey) : ReadPlace(kind, subKey);
    if (!CanRead(place, kind)) return 1;
    RegKey key;
    if (RegOpenKeyEx(place.root, place.path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return 0;
    std::vector<BYTE> buffer(kByteBufferSize, 0);
    DWORD type = 0, size = 0;
    return QueryValue(key.Get(), valueName, buffer, type, size) == ERROR_SUCCESS ? buffer[0] : 0;
}

void PowerClass::EnumerateKey(HKEY key) {
    subKeyNames.clear();
    valueNames.clear();
    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKey(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                        nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<TCHAR> name(16384);
    for (DWORD i = 0; i < subKeys; ++i) {
        DWORD length = 256;
        if (RegEnumKeyEx(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            subKeyNames.emplace_back(name.data(), length);
    }
    for (DWORD i = 0; i < values; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValue(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            valueNames.emplace_back(name.data(), length);
    }
}

WriteResult PowerClass::DeleteRegistryValue(int kind, const tstring& valueName) const {
    Place place = WritePlace(kind, subKey);
    if (!place.root) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    RegKey key;
    LONG rc = RegOpenKeyEx(place.root, place.path.c_str(), 0, KEY_SET_VALUE, key.Receive());
    if (rc == ERROR_SUCCESS) rc = RegDeleteValue(key.Get(), valueName.c_str());
    return {static_cast<DWORD>(rc)};
}

WriteResult PowerClass::DeleteClassesKeyTree(const tstring& keyName) const {
    // An empty name would make the delete take the parent key itself.
    if (keyName.empty()) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(subKey + _T("\\") + keyName)) return {refused};
    RegKey key;
    LONG rc = RegOpenKeyEx(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_ALL_ACCESS, key.Receive());
    if (rc == ERROR_SUCCESS) rc = static_cast<LONG>(SHDeleteKey(key.Get(), keyName.c_str()));
    return {static_cast<DWORD>(rc)};
}

WriteResult PowerClass::WriteRegistryValue(int kind, const tstring& valueName,
                                           const tstring& data, DWORD type) const {
    // Always through the wide interface: the key, name and data are kept
    // exactly, whatever their length and characters.
    Place place = WritePlace(kind, subKey);
    if (!place.root || (type != REG_SZ && type != REG_EXPAND_SZ)) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    const std::wstring path = widetext::ToWide(place.path), name = widetext::ToWide(valueName),
                       text = widetext::ToWide(data);
    RegKey key;
    LONG rc = RegCreateKeyExW(place.root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExW(key.Get(), name.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    return {static_cast<DWORD>(rc)};
}

WriteResult PowerClass::WriteRegistryFixed(int kind, const tstring& valueName,
                                           const tstring& data) const {
    // A narrow value of always 350 bytes: the text, its NUL and zero bytes.
    // The reader of the launch handshake expects exactly this form.
    const size_t kStatedSize = 350, kMaxChars = kStatedSize - 1;
    Place place = WritePlace(kind, subKey);
    if (!place.root) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    const std::string name = widetext::ToBytes(valueName);
    const std::string text = widetext::ToBytes(data).substr(0, kMaxChars);
    BYTE buffer[352] = {};
    std::copy(text.begin(), text.end(), buffer);
    RegKey key;
    LONG rc = RegCreateKeyEx(place.root, place.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, buffer,
                            static_cast<DWORD>(kStatedSize));
    return {static_cast<DWORD>(rc)};
}
