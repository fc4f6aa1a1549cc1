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

// The two halves of HKEY_CLASSES_ROOT by the full names backups give them.
extern const wchar_t kUserClassesName[];      // "HKEY_CURRENT_USER\Software\Classes"
extern const wchar_t kMachineClassesName[];   // "HKEY_LOCAL_MACHINE\SOFTWARE\Classes"
