#include "verbsmith/core/KeySnapshot.h"
#include "common/RegistryPlace.h"
#include "framework/Handles.h"
#include "framework/WriteSeam.h"
#include "verbsmith/core/KeyNames.h"
#include <algorithm>

namespace {

const DWORD kMaxValueNameChars = 16383;   // the registry's own limits
const DWORD kMaxKeyNameChars = 255;

DWORD ReadValues(HKEY key, std::vector<RegValue>& values) {
    std::vector<wchar_t> name(kMaxValueNameChars + 1);
    std::vector<BYTE> data(256);
    for (DWORD i = 0;;) {
        DWORD nameChars = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
        const LONG rc = RegEnumValueW(key, i, name.data(), &nameChars, nullptr, &type, data.data(), &size);
        if (rc == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (rc == ERROR_MORE_DATA) {   // the name always fits: the data needs size bytes
            data.resize(std::max<size_t>(size, data.size() * 2));
            continue;
        }
        if (rc != ERROR_SUCCESS) return rc;
        values.push_back({std::wstring(name.data(), nameChars), type,
                          std::string(data.begin(), data.begin() + size)});
        ++i;
    }
}

DWORD ReadSubKeyNames(HKEY key, std::vector<std::wstring>& names) {
    wchar_t name[kMaxKeyNameChars + 1];
    for (DWORD i = 0;; ++i) {
        DWORD chars = kMaxKeyNameChars + 1;
        const LONG rc = RegEnumKeyExW(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (rc != ERROR_SUCCESS) return rc;
        names.emplace_back(name, chars);
    }
}

DWORD ReadTree(HKEY key, const std::wstring& name, REGSAM view, std::vector<RegKeyBlock>& blocks) {
    blocks.push_back({name, false, {}});
    DWORD rc = ReadValues(key, blocks.back().values);
    std::vector<std::wstring> subKeys;
    if (rc == ERROR_SUCCESS) rc = ReadSubKeyNames(key, subKeys);
    for (size_t i = 0; rc == ERROR_SUCCESS && i < subKeys.size(); ++i) {
        RegKey subKey;
        rc = RegOpenKeyExW(key, subKeys[i].c_str(), 0, KEY_READ | view, subKey.Receive());
        if (rc == ERROR_SUCCESS) rc = ReadTree(subKey.Get(), name + L"\\" + subKeys[i], view, blocks);
    }
    return rc;
}

// Restore changes keys like every other change: after the write seam's check.
DWORD DeleteIfThere(HKEY root, const std::wstring& path, REGSAM view) {
    if (const DWORD refused = Writes().Permit(path)) return refused;
    const DWORD rc = registry::DeleteTree(root, path, view);
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

DWORD WriteKey(HKEY root, const std::wstring& path, REGSAM view, const std::vector<RegValue>& values) {
    if (const DWORD refused = Writes().Permit(path)) return refused;
    RegKey key;
    LONG rc = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, key.Receive(), nullptr);
    for (size_t i = 0; rc == ERROR_SUCCESS && i < values.size(); ++i) {
        // The string setters add a NUL that the stated size leaves out when
        // the character after the data is one; no NUL follows here, so the
        // bytes stay exactly as they are.
        std::string data = values[i].data + "\xFF\xFF";
        rc = RegSetValueExW(key.Get(), values[i].name.c_str(), 0, values[i].type,
                            reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(values[i].data.size()));
    }
    return rc;
}

}  // namespace

DWORD TakeKeySnapshot(const std::wstring& name, KeySnapshot& snapshot, REGSAM view) {
    snapshot = KeySnapshot();
    HKEY root;
    std::wstring path;
    if (!SplitKeyName(name, root, path)) return ERROR_BAD_PATHNAME;
    snapshot.document.keys.push_back({name, true, {}});
    RegKey key;
    const LONG rc = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, key.Receive());
    if (rc == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (rc != ERROR_SUCCESS) return rc;
    snapshot.existed = true;
    return ReadTree(key.Get(), name, view, snapshot.document.keys);
}

DWORD ApplyRegDocument(const RegDocument& document, REGSAM view) {
    std::vector<std::pair<HKEY, std::wstring>> places;
    for (const RegKeyBlock& block : document.keys) {
        HKEY root;
        std::wstring path;
        if (!SplitKeyName(block.name, root, path)) return ERROR_BAD_PATHNAME;
        places.emplace_back(root, path);
    }
    for (size_t i = 0; i < places.size(); ++i) {
        const RegKeyBlock& block = document.keys[i];
        const DWORD rc = block.remove ? DeleteIfThere(places[i].first, places[i].second, view)
                                      : WriteKey(places[i].first, places[i].second, view, block.values);
        if (rc != ERROR_SUCCESS) return rc;
    }
    return ERROR_SUCCESS;
}
