#pragma once
// Full key names as .reg files write them: a root key's name, "\" and the
// path below it. They are opened through the process's predefined root keys,
// so a test's registry sandbox, which overrides those, sees every change.
#include <windows.h>
#include <string>

// The root and the path below it for the five root names (HKEY_LOCAL_MACHINE,
// HKEY_CURRENT_USER, HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_CURRENT_CONFIG);
// false for any other root, for a root alone and for a name with an empty
// part (a trailing or doubled "\").
bool SplitKeyName(const std::wstring& name, HKEY& root, std::wstring& path);

// The full name of where a key below HKEY_CLASSES_ROOT really lives, so that a
// backup of a user's own entry never comes back machine-wide.
// HKEY_CLASSES_ROOT merges HKEY_LOCAL_MACHINE\SOFTWARE\Classes with the user's
// HKEY_CURRENT_USER\Software\Classes. Windows opens, writes and deletes the
// user's key when there is one and creates new keys in the machine's part
// (even below a key that only the user has). Hence: the user's name when the
// key exists there, the machine's otherwise.
// Wine (8.0) shows only the machine's part as HKEY_CLASSES_ROOT; there a key
// that both parts hold is changed in the machine's part while its backup
// names the user's. Tests point HKEY_CLASSES_ROOT at the sandbox machine's
// classes key, as Wine does, so that changes made through it are backed up.
std::wstring ClassesKeyName(const std::wstring& classesPath);

// The two parts of HKEY_CLASSES_ROOT by the full names ClassesKeyName gives them.
extern const wchar_t kUserClassesName[];      // "HKEY_CURRENT_USER\Software\Classes"
extern const wchar_t kMachineClassesName[];   // "HKEY_LOCAL_MACHINE\SOFTWARE\Classes"
