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

// The controls' texts as the window has them now (before any language text
// is applied: the template's), in table order.
tstrings CurrentControlTexts(HWND dialog, const std::vector<ControlText>& controls);
// Gives each control its language text. A control whose number the loaded
// section lacks gets its entry of templateTexts (in table order), or keeps
// the text it has when there is none: no control is emptied by a missing text.
void ApplyControlTexts(HWND dialog, const CTranslation& texts,
                       const std::vector<ControlText>& controls,
                       const tstrings& templateTexts = {});
