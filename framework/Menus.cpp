#include "framework/Menus.h"

bool SetMenuItemTextAt(HMENU menu, UINT position, const tstring& text) {
    MENUITEMINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<TCHAR*>(text.c_str());
    return SetMenuItemInfo(menu, position, TRUE, &info) != FALSE;
}

bool SetMenuItemBitmapAt(HMENU menu, UINT position, HBITMAP bitmap) {
    return SetMenuItemBitmapsAt(menu, position, bitmap, bitmap);
}

bool SetMenuItemBitmapsAt(HMENU menu, UINT position, HBITMAP unchecked, HBITMAP checked) {
    return SetMenuItemBitmaps(menu, position, MF_BYPOSITION, unchecked, checked) != FALSE;
}

tstring MenuItemTextAt(HMENU menu, UINT position) {
    MENUITEMINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfo(menu, position, TRUE, &info))
        return tstring();
    std::vector<TCHAR> text(info.cch + 1, _T('\0'));
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfo(menu, position, TRUE, &info))
        return tstring();
    return text.data();
}
