#pragma once
// Menu items addressed by position, as the programs' menus are translated.
#include "framework/TString.h"

// Replaces the text of the item at position; its command id or submenu stays.
bool SetMenuItemTextAt(HMENU menu, UINT position, const tstring& text);
// The same bitmap as both the checked and the unchecked mark.
bool SetMenuItemBitmapAt(HMENU menu, UINT position, HBITMAP bitmap);
bool SetMenuItemBitmapsAt(HMENU menu, UINT position, HBITMAP unchecked, HBITMAP checked);
// Text of the item at position ("" when there is none).
tstring MenuItemTextAt(HMENU menu, UINT position);
