#include "common/RegistryPlace.h"
#include "common/WideText.h"
#include "framework/Handles.h"
#include "framework/WriteSeam.h"
#include <algorithm>

namespace {
// Most values are short: the buffer starts small and grows to what the
// registry asks for, so a long value is still read whole.
const DWORD kFirstBufferSize = 256 * sizeof(TCHAR);
const DWORD kMaxKeyNameChars = 256;
const DWORD kMaxValueNameChars = 16384;

LONG Open(const RegistryPlace& place, REGSAM access, RegKey& key) {
    return RegOpenKeyEx(place.root, place.path.c_str(), 0, access | place.view, key.Receive());
}

// The buffer grows to the size the registry asks for; the stated size never
// exceeds it.
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

tstring TextOf(const std::vector<BYTE>& data) {
    tstring text(reinterpret_cast<const TCHAR*>(data.data()), data.size() / sizeof(TCHAR));
    // Stored values need not end in a NUL.
    text.erase(std::min(text.find(_T('\0')), text.size()));
    return text;
}
}  // namespace

namespace registry {

RegistryPlace UserShellFolders() {
    return {HKEY_CURRENT_USER, _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")};
}

std::optional<RegistryValue> ReadValue(const RegistryPlace& place, const tstring& name) {
    RegKey key;
    if (Open(place, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return std::nullopt;
    RegistryValue value;
    value.data.assign(kFirstBufferSize, 0);
    DWORD size = 0;
    if (QueryValue(key.Get(), name, value.data, value.type, size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) value.text = TextOf(value.data);
    return value;
}

std::optional<tstring> ReadText(const RegistryPlace& place, const tstring& name) {
    std::optional<RegistryValue> value = ReadValue(place, name);
    if (!value || value->type != REG_SZ) return std::nullopt;
    return std::move(value->text);
}

WriteResult WriteText(const RegistryPlace& place, const tstring& name, const tstring& text,
                      DWORD type) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    const std::wstring path = widetext::ToWide(place.path), wideName = widetext::ToWide(name),
                       data = widetext::ToWide(text);
    RegKey key;
    LONG rc = RegCreateKeyExW(place.root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE | place.view, nullptr, key.Receive(), nullptr);
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExW(key.Get(), wideName.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    return {static_cast<DWORD>(rc)};
}

WriteResult WriteFixedText(const RegistryPlace& place, const tstring& name, const tstring& text) {
    const size_t kStatedSize = 350, kMaxChars = kStatedSize - 1;
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    const std::string narrowName = widetext::ToBytes(name);
    const std::string bytes = widetext::ToBytes(text).substr(0, kMaxChars);
    BYTE buffer[kStatedSize] = {};
    std::copy(bytes.begin(), bytes.end(), buffer);
    RegKey key;
    LONG rc = RegCreateKeyEx(place.root, place.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_SET_VALUE | place.view, nullptr, key.Receive(), nullptr);
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExA(key.Get(), narrowName.c_str(), 0, REG_SZ, buffer, kStatedSize);
    return {static_cast<DWORD>(rc)};
}

WriteResult DeleteValue(const RegistryPlace& place, const tstring& name) {
    if (const DWORD refused = Writes().Permit(place.path)) return {refused};
    RegKey key;
    LONG rc = Open(place, KEY_SET_VALUE, key);
    if (rc == ERROR_SUCCESS) rc = RegDeleteValue(key.Get(), name.c_str());
    return {static_cast<DWORD>(rc)};
}

WriteResult DeleteKeyTree(const RegistryPlace& parent, const tstring& name) {
    if (name.empty()) return {ERROR_INVALID_PARAMETER};
    if (const DWORD refused = Writes().Permit(parent.path + _T("\\") + name)) return {refused};
    RegKey key;
    LONG rc = Open(parent, KEY_ALL_ACCESS, key);
    if (rc == ERROR_SUCCESS) rc = DeleteTree(key.Get(), name, parent.view);
    return {static_cast<DWORD>(rc)};
}

// Once a program uses a view, the system wants it named on every open and
// delete below: the shell's recursive delete knows no views, so this walks
// the tree itself, children first.
LONG DeleteTree(HKEY parent, const tstring& path, REGSAM view) {
    {
        RegKey key;
        LONG rc = RegOpenKeyEx(parent, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, key.Receive());
        TCHAR child[kMaxKeyNameChars];
        while (rc == ERROR_SUCCESS) {
            DWORD length = kMaxKeyNameChars;
            rc = RegEnumKeyEx(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_SUCCESS) rc = DeleteTree(key.Get(), tstring(child, length), view);
        }
        if (rc != ERROR_NO_MORE_ITEMS) return rc;
    }
    return RegDeleteKeyEx(parent, path.c_str(), view, 0);
}

bool KeyExists(const RegistryPlace& place) {
    RegKey key;
    return Open(place, KEY_QUERY_VALUE, key) == ERROR_SUCCESS;
}

RegistryNames ListNames(HKEY key) {
    RegistryNames names;
    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKey(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                        nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<TCHAR> name(kMaxValueNameChars);
    for (DWORD i = 0; i < subKeys; ++i) {
        DWORD length = kMaxKeyNameChars;
        if (RegEnumKeyEx(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            names.subKeys.emplace_back(name.data(), length);
    }
    for (DWORD i = 0; i < values; ++i) {
        DWORD length = kMaxValueNameChars;
        if (RegEnumValue(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            names.values.emplace_back(name.data(), length);
    }
    return names;
}

std::optional<RegistryNames> ListNames(const RegistryPlace& place) {
    RegKey key;
    if (Open(place, KEY_READ, key) != ERROR_SUCCESS) return std::nullopt;
    return ListNames(key.Get());
}
}  // namespace registry
