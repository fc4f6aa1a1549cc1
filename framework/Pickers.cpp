#include "framework/Pickers.h"
#include <commdlg.h>
#include "framework/Handles.h"
#include <shlobj.h>

tstring MakeOpenFileFilter(const tstring& filter) {
    tstring list = filter;
    for (TCHAR& c : list)
        if (c == _T('|'))
            c = _T('\0');
    if (list.empty() || list.back() != _T('\0'))
        list += _T('\0');
    list += _T('\0');   // the list's end; c_str() adds one more
    return list;
}

bool RunOpenFileDialog(HWND owner, const tstring& filter, size_t bufferChars, tstring& path) {
    if (bufferChars < 2)
        return false;
    const tstring filterList = MakeOpenFileFilter(filter);
    std::vector<TCHAR> buffer(bufferChars, _T('\0'));
    OPENFILENAME ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterList.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(bufferChars);
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    // A path that does not fit fails with FNERR_BUFFERTOOSMALL: it is
    // reported as nothing chosen rather than cut.
    if (!GetOpenFileName(&ofn))
        return false;
    buffer.back() = _T('\0');
    path = buffer.data();
    return !path.empty();
}

bool RunFolderBrowser(HWND owner, const tstring& title, tstring& path) {
    BROWSEINFO info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    // The item list comes from the shell's (the COM task) allocator.
    const ItemIdList items(SHBrowseForFolder(&info));
    if (!items)
        return false;
    TCHAR folder[MAX_PATH] = {};
    const bool found = SHGetPathFromIDList(items.Get(), folder) != FALSE && folder[0] != _T('\0');
    if (found)
        path = folder;
    return found;
}
