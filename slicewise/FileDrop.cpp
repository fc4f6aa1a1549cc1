#include "slicewise/FileDrop.h"
#include "framework/Handles.h"
#include "framework/SystemFunction.h"

namespace {
// The message that carries a drop's data across processes; the SDK does not
// name it.
const UINT kCopyGlobalData = 0x0049;
const DWORD kAllowMessage = 1;   // MSGFLT_ALLOW

// Windows keeps messages of a program without administrator rights, the
// Explorer's drop among them, from a window that has them. Letting these
// through changes nothing for a window without the rights, so it is done
// whatever the window's rights are.
void LetDropsThrough(HWND window) {
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto filter =
        SystemFunction<Filter>(_T("user32.dll"), "ChangeWindowMessageFilterEx");
    if (!filter)
        return;
    for (UINT message : {UINT(WM_DROPFILES), UINT(WM_COPYDATA), kCopyGlobalData})
        filter(window, message, kAllowMessage, nullptr);
}

// The drop's memory goes when the paths are read, whatever happens.
struct DropTraits {
    using Handle = HDROP;
    static HDROP Invalid() { return nullptr; }
    static void Close(HDROP drop) { DragFinish(drop); }
};
}  // namespace

void AcceptDroppedFiles(HWND window) {
    LetDropsThrough(window);
    DragAcceptFiles(window, TRUE);
}

tstrings DroppedFiles(HDROP drop) {
    const UniqueHandle<DropTraits> release(drop);
    tstrings paths;
    const UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        tstring path(DragQueryFile(drop, index, nullptr, 0) + 1, _T('\0'));
        path.resize(DragQueryFile(drop, index, &path[0], static_cast<UINT>(path.size())));
        paths.push_back(path);
    }
    return paths;
}
