#pragma once
// Files dropped on a window from the Explorer (WM_DROPFILES).
#include "framework/TString.h"
#include <shellapi.h>

// Lets the window take dropped files, also from an Explorer that runs
// without the administrator rights the window may run with.
void AcceptDroppedFiles(HWND window);
// The full paths of a drop, in the order the Explorer gives them; the
// drop's memory is released.
[[nodiscard]] tstrings DroppedFiles(HDROP drop);
