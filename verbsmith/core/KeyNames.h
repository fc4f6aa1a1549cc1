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

// True when key is root itself or lies below it, comparing whole key names
// without regard to case, as the registry does.
[[nodiscard]] bool KeyLiesAtOrBelow(const std::wstring& key, const std::wstring& root);

// Windows 11 shows its classic context menu while the user's classes hold
// this class with an InprocServer32 key (empty default value) below it.
extern const wchar_t kClassicMenuClassPath[];   // "CLSID\{86ca1aa0-...}" below the classes
[[nodiscard]] std::wstring ClassicMenuKeyName();   // below kUserClassesName

// The registry view a key of that full name is backed up and restored in:
// the 64-bit view for the classic menu's key and below (a 32-bit program's
// HKEY_CURRENT_USER\Software\Classes\CLSID is redirected otherwise), the
// default view (0) for every other key. Decided by the name alone, so that
// no line of a backup file can move a key into another view.
[[nodiscard]] REGSAM ViewOfKey(const std::wstring& name);
