#pragma once
// Windows 11's classic context menu, where every entry the editor manages
// is shown: switched on for the user by one key below the user's classes
// (KeyNames.h), in the 64-bit view, as every change backed up first.
#include "verbsmith/core/EditorHost.h"

// Windows 11 (build 22000) and later: older systems show the classic menu
// anyway.
[[nodiscard]] bool ClassicMenuOffered();
// True while the key that switches it on is there.
[[nodiscard]] bool ClassicMenuOn();
// On creates the key's InprocServer32 key with an empty default value; off
// deletes the key with everything below it. True when done; a refusal is
// told (its backup taken away again) and gives false.
bool SwitchClassicMenu(EditorHost& host, bool on);
