#pragma once
#include "framework/TString.h"

// Redirects HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER of this
// process to fresh, empty keys for the lifetime of the object, and removes
// them afterwards. The prefix's real registry is left alone, so tests that
// write "their" roots can run side by side.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

private:
    tstring path_;   // below the real HKEY_CURRENT_USER
    HKEY roots_[3] = {};
};

// Independent registry access for checks: plain API calls, not PowerClass.
namespace reg {
// Creates the key and sets a REG_SZ value (empty name: the default value).
void SetText(HKEY root, const tstring& key, const tstring& name, const tstring& data);
void SetDword(HKEY root, const tstring& key, const tstring& name, DWORD data);
bool KeyExists(HKEY root, const tstring& key);
bool ValueExists(HKEY root, const tstring& key, const tstring& name);
// The REG_SZ text of a value; "<missing>" when absent, "<type N>" for others.
tstring GetText(HKEY root, const tstring& key, const tstring& name);
// The raw bytes of a value (empty when absent).
std::string GetBytes(HKEY root, const tstring& key, const tstring& name);
tstrings SubKeys(HKEY root, const tstring& key);
}
