#include "verbsmith/core/RestoreScope.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/KeyNames.h"

namespace {

// The keys a registry backup may name: each registry location of the
// editor's table in either half of HKEY_CLASSES_ROOT, the half a change was
// made in. Later kinds of backup add the keys they save.
std::vector<std::wstring> RestorableKeys() {
    std::vector<std::wstring> keys;
    for (const wchar_t* classes : {kUserClassesName, kMachineClassesName})
        for (const Location& location : LocationTable)
            if (location.path != std::wstring(kSendToLocation))
                keys.push_back(std::wstring(classes) + L"\\" + location.path);
    return keys;
}

bool IsRestorable(const std::wstring& location) {
    for (const std::wstring& key : RestorableKeys())
        if (KeyLiesAtOrBelow(location, key)) return true;
    return false;
}

}  // namespace

bool KeyLiesAtOrBelow(const std::wstring& key, const std::wstring& root) {
    if (key.size() < root.size() || (key.size() > root.size() && key[root.size()] != L'\\')) return false;
    return CompareStringOrdinal(key.c_str(), static_cast<int>(root.size()), root.c_str(),
                                static_cast<int>(root.size()), TRUE) == CSTR_EQUAL;
}

std::optional<std::wstring> FirstForeignKey(const std::wstring& location, const RegDocument& document) {
    if (!IsRestorable(location)) return location;
    for (const RegKeyBlock& block : document.keys)
        if (!KeyLiesAtOrBelow(block.name, location)) return block.name;
    return std::nullopt;
}
