#pragma once
// Language texts placed by table: a window lists which of its controls and
// menu items show which text, and one call puts them all in place.
#include "common/Translation.h"
#include <vector>

// A control and its language text.
struct ControlText {
    int id;
    int text;
};

// A menu item by position: the bar's submenu, the position in it, its
// language text (given two leading blanks, room for the item's bitmap) and
// the bitmap resource set as both its check marks (0: none).
struct MenuItemText {
    int menu;
    UINT position;
    int text;
    UINT bitmap;
};

void ApplyControlTexts(HWND dialog, const CTranslation& texts,
                       const std::vector<ControlText>& controls);
