#include "tests/support/RegistrySandbox.h"
#include <shlwapi.h>
#include <stdexcept>

namespace {
const HKEY kPredefined[3] = {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};
const TCHAR* const kNames[3] = {_T("ClassesRoot"), _T("LocalMachine"), _T("CurrentUser")};

tstring UniqueSandboxPath() {
    static LONG counter = 0;
    TCHAR buf[128];
    wsprintf(buf, _T("Software\\VantorelTestSandbox\\%lu-%lu-%ld"), GetCurrentProcessId(),
             GetTickCount(), InterlockedIncrement(&counter));
    return buf;
}
}

RegistrySandbox::RegistrySandbox() : path_(UniqueSandboxPath()) {
    // Create all three first: once HKEY_CURRENT_USER is redirected the
    // sandbox itself could no longer be reached.
    for (int i = 0; i < 3; ++i) {
        tstring sub = path_ + _T("\\") + kNames[i];
        if (RegCreateKeyEx(HKEY_CURRENT_USER, sub.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                           &roots_[i], nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("registry sandbox: cannot create key");
    }
    for (int i = 0; i < 3; ++i) {
        if (RegOverridePredefKey(kPredefined[i], roots_[i]) != ERROR_SUCCESS)
            throw std::runtime_error("registry sandbox: RegOverridePredefKey failed");
    }
}

RegistrySandbox::~RegistrySandbox() {
    for (int i = 0; i < 3; ++i) RegOverridePredefKey(kPredefined[i], nullptr);
    for (HKEY key : roots_)
        if (key) RegCloseKey(key);
    // The shared parent stays: other test processes create their sandboxes
    // below it at the same time.
    SHDeleteKey(HKEY_CURRENT_USER, path_.c_str());
}

namespace reg {
void SetText(HKEY root, const tstring& key, const tstring& name, const tstring& data) {
    HKEY k;
    if (RegCreateKeyEx(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("reg::SetText: cannot create key");
    RegSetValueEx(k, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                  reinterpret_cast<const BYTE*>(data.c_str()),
                  static_cast<DWORD>((data.size() + 1) * sizeof(TCHAR)));
    RegCloseKey(k);
}

void SetDword(HKEY root, const tstring& key, const tstring& name, DWORD data) {
    HKEY k;
    if (RegCreateKeyEx(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("reg::SetDword: cannot create key");
    RegSetValueEx(k, name.empty() ? nullptr : name.c_str(), 0, REG_DWORD,
                  reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(k);
}

bool KeyExists(HKEY root, const tstring& key) {
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

std::string GetBytes(HKEY root, const tstring& key, const tstring& name) {
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return {};
    DWORD size = 0;
    std::string bytes;
    const TCHAR* n = name.empty() ? nullptr : name.c_str();
    if (RegQueryValueEx(k, n, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        bytes.resize(size);
        RegQueryValueEx(k, n, nullptr, nullptr, reinterpret_cast<BYTE*>(&bytes[0]), &size);
        bytes.resize(size);
    }
    RegCloseKey(k);
    return bytes;
}

bool ValueExists(HKEY root, const tstring& key, const tstring& name) {
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return false;
    LONG rc = RegQueryValueEx(k, name.empty() ? nullptr : name.c_str(), nullptr, nullptr, nullptr,
                              nullptr);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS;
}

tstring GetText(HKEY root, const tstring& key, const tstring& name) {
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
        return _T("<missing>");
    DWORD type = 0, size = 0;
    const TCHAR* n = name.empty() ? nullptr : name.c_str();
    tstring result = _T("<missing>");
    if (RegQueryValueEx(k, n, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        if (type != REG_SZ) {
            TCHAR buf[32];
            wsprintf(buf, _T("<type %lu>"), type);
            result = buf;
        } else {
            std::vector<TCHAR> buf(size / sizeof(TCHAR) + 1, 0);
            RegQueryValueEx(k, n, nullptr, nullptr, reinterpret_cast<BYTE*>(buf.data()), &size);
            result = buf.data();
        }
    }
    RegCloseKey(k);
    return result;
}

tstrings SubKeys(HKEY root, const tstring& key) {
    tstrings names;
    HKEY k;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return names;
    TCHAR name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = 256;
        if (RegEnumKeyEx(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    RegCloseKey(k);
    return names;
}
}
