#include "verbsmith/core/KeyNames.h"

namespace {

struct Root {
    const wchar_t* name;
    HKEY key;
};
const Root kRoots[] = {
    {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {L"HKEY_USERS", HKEY_USERS},
    {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

}  // namespace

const wchar_t kUserClassesName[] = L"HKEY_CURRENT_USER\\Software\\Classes";
const wchar_t kMachineClassesName[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes";
const wchar_t kClassicMenuClassPath[] = L"CLSID\\{86ca1aa0-34aa-4e8b-a509-50c905bae2a2}";

bool SplitKeyName(const std::wstring& name, HKEY& root, std::wstring& path) {
    // No empty part: a trailing or doubled "\" would reach a key above the one meant.
    const size_t slash = name.find(L'\\');
    if (slash == std::wstring::npos || name.back() == L'\\' || name.find(L"\\\\") != std::wstring::npos)
        return false;
    for (const Root& candidate : kRoots) {
        if (_wcsnicmp(name.c_str(), candidate.name, slash) == 0 && candidate.name[slash] == L'\0') {
            root = candidate.key;
            path = name.substr(slash + 1);
            return true;
        }
    }
    return false;
}

bool KeyLiesAtOrBelow(const std::wstring& key, const std::wstring& root) {
    if (key.size() < root.size() || (key.size() > root.size() && key[root.size()] != L'\\')) return false;
    return CompareStringOrdinal(key.c_str(), static_cast<int>(root.size()), root.c_str(),
                                static_cast<int>(root.size()), TRUE) == CSTR_EQUAL;
}

std::wstring ClassicMenuKeyName() { return kUserClassesName + (L"\\" + std::wstring(kClassicMenuClassPath)); }

REGSAM ViewOfKey(const std::wstring& name) {
    return KeyLiesAtOrBelow(name, ClassicMenuKeyName()) ? KEY_WOW64_64KEY : 0;
}
