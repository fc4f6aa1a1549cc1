#include "common/PowerClass.h"
#include "common/RegistryPlace.h"

namespace {

bool StartsWith(const tstring& text, const tstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

HKEY ReadRoot(int kind) {
    switch (kind) {
    case PowerClass::kShellFolders:
    case PowerClass::kCurrentUser: return HKEY_CURRENT_USER;
    case PowerClass::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case PowerClass::kClassesRoot: return HKEY_CLASSES_ROOT;
    default: return nullptr;
    }
}

// Kind 0 is the local machine here.
HKEY WriteRoot(int kind) {
    switch (kind) {
    case PowerClass::kShellFolders: return HKEY_LOCAL_MACHINE;
    case PowerClass::kCurrentUser: return HKEY_CURRENT_USER;
    case PowerClass::kClassesRoot: return HKEY_CLASSES_ROOT;
    default: return nullptr;
    }
}

// Where the reads look; nothing for a kind without a read place or an empty
// key path, except kind 4, which then reads the classes root itself.
std::optional<RegistryPlace> ReadPlace(int kind, const tstring& subKey) {
    const tstring path = kind == PowerClass::kShellFolders ? registry::UserShellFolders().path : subKey;
    if (!ReadRoot(kind) || (path.empty() && kind != PowerClass::kClassesRoot)) return std::nullopt;
    return RegistryPlace{ReadRoot(kind), path};
}

std::optional<RegistryPlace> WritePlace(int kind, const tstring& subKey) {
    if (!WriteRoot(kind)) return std::nullopt;
    return RegistryPlace{WriteRoot(kind), subKey};
}

// Kind 10: "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE", two separator
// characters, then the key path; nothing without a root name or a path.
std::optional<RegistryPlace> FullPathPlace(const tstring& fullPath) {
    for (const auto& root : {std::make_pair(tstring(_T("HKEY_CURRENT_USER")), HKEY_CURRENT_USER),
                             std::make_pair(tstring(_T("HKEY_LOCAL_MACHINE")), HKEY_LOCAL_MACHINE)})
        if (StartsWith(fullPath, root.first) && fullPath.size() > root.first.size() + 2)
            return RegistryPlace{root.second, fullPath.substr(root.first.size() + 2)};
    return std::nullopt;
}
}  // namespace

tstring PowerClass::ReadRegistryText(int kind, const tstring& valueName) const {
    const std::optional<RegistryPlace> place = ReadPlace(kind, subKey);
    if (!place) return kKeyNotFound;
    const std::optional<RegistryValue> value = registry::ReadValue(*place, valueName);
    if (!value) return tstring();
    return value->type == REG_SZ ? value->text : kNoRegSz;
}

bool PowerClass::ReadRegistryValue(int kind, const tstring& valueName, DWORD& type,
                                   tstring& text) const {
    const std::optional<RegistryPlace> place = ReadPlace(kind, subKey);
    std::optional<RegistryValue> value;
    if (place) value = registry::ReadValue(*place, valueName);
    if (!value) return false;
    type = value->type;
    text = value->text;
    return true;
}

BYTE PowerClass::ReadRegistryByte(int kind, const tstring& valueName) const {
    const std::optional<RegistryPlace> place =
        kind == kFullPath ? FullPathPlace(subKey) : ReadPlace(kind, subKey);
    if (!place) return 1;
    const std::optional<RegistryValue> value = registry::ReadValue(*place, valueName);
    return value && !value->data.empty() ? value->data[0] : 0;
}

void PowerClass::EnumerateKey(HKEY key) {
    RegistryNames names = registry::ListNames(key);
    subKeyNames = std::move(names.subKeys);
    valueNames = std::move(names.values);
}

WriteResult PowerClass::DeleteRegistryValue(int kind, const tstring& valueName) const {
    const std::optional<RegistryPlace> place = WritePlace(kind, subKey);
    return place ? registry::DeleteValue(*place, valueName) : WriteResult{ERROR_INVALID_PARAMETER};
}

WriteResult PowerClass::DeleteClassesKeyTree(const tstring& keyName) const {
    return registry::DeleteKeyTree({HKEY_CLASSES_ROOT, subKey}, keyName);
}

WriteResult PowerClass::WriteRegistryValue(int kind, const tstring& valueName,
                                           const tstring& data, DWORD type) const {
    const std::optional<RegistryPlace> place = WritePlace(kind, subKey);
    return place ? registry::WriteText(*place, valueName, data, type)
                 : WriteResult{ERROR_INVALID_PARAMETER};
}

WriteResult PowerClass::WriteRegistryFixed(int kind, const tstring& valueName,
                                           const tstring& data) const {
    const std::optional<RegistryPlace> place = WritePlace(kind, subKey);
    return place ? registry::WriteFixedText(*place, valueName, data)
                 : WriteResult{ERROR_INVALID_PARAMETER};
}
