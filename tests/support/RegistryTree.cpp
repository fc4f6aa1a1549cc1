#include "tests/support/RegistryTree.h"
#include <algorithm>
#include <stdexcept>

namespace {

tstring Hex(const BYTE* bytes, DWORD size) {
    tstring text;
    TCHAR digits[4];
    for (DWORD i = 0; i < size; ++i) {
        wsprintf(digits, _T("%02x "), bytes[i]);
        text += digits;
    }
    return text;
}

void AddLines(HKEY key, const tstring& path, tstrings& lines) {
    lines.push_back(_T("[") + path + _T("]"));
    std::vector<TCHAR> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameChars = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
        const LONG rc = RegEnumValue(key, i, name.data(), &nameChars, nullptr, &type, data.data(), &size);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) throw std::runtime_error("reg::Tree: cannot read a value");
        TCHAR typeText[16];
        wsprintf(typeText, _T("type %lu: "), type);
        lines.push_back(_T("[") + path + _T("] \"") + tstring(name.data(), nameChars) + _T("\" ") + typeText +
                        Hex(data.data(), size));
    }
    for (const tstring& sub : reg::SubKeys(key, _T(""))) {
        HKEY subKey;
        if (RegOpenKeyEx(key, sub.c_str(), 0, KEY_READ, &subKey) != ERROR_SUCCESS)
            throw std::runtime_error("reg::Tree: cannot open a sub key");
        AddLines(subKey, path + _T("\\") + sub, lines);
        RegCloseKey(subKey);
    }
}

}  // namespace

namespace reg {
tstring Tree(HKEY root, const tstring& key) {
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return _T("<missing>");
    tstrings lines;
    AddLines(k, _T(""), lines);
    RegCloseKey(k);
    std::sort(lines.begin(), lines.end());
    tstring text;
    for (const tstring& line : lines) text += line + _T("\n");
    return text;
}

void SetRaw(HKEY root, const tstring& key, const tstring& name, DWORD type, const std::string& bytes) {
    HKEY k;
    if (RegCreateKeyEx(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("reg::SetRaw: cannot create key");
    // No NUL after the data: the string setters would count it in.
    const std::string data = bytes + "\xFF\xFF";
    const LONG rc = RegSetValueEx(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                  static_cast<DWORD>(bytes.size()));
    RegCloseKey(k);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("reg::SetRaw: cannot set value");
}
}
