#include "verbsmith/core/RestoreScope.h"
#include "verbsmith/core/EntryModel.h"

namespace {

// The keys a registry backup may name: each registry location of the
// editor's table in either half of HKEY_CLASSES_ROOT, the half a change was
// made in, and the classic menu's key. Later kinds of backup add the keys
// they save.
std::vector<std::wstring> RestorableKeys() {
    std::vector<std::wstring> keys = {ClassicMenuKeyName()};
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

std::optional<std::wstring> FirstForeignKey(const std::wstring& location, const RegDocument& document) {
    if (!IsRestorable(location)) return location;
    for (const RegKeyBlock& block : document.keys)
        if (!KeyLiesAtOrBelow(block.name, location)) return block.name;
    return std::nullopt;
}
