#include "framework/ModulePath.h"

tstring ModuleFilePath() {
    // The path may be longer than MAX_PATH. A cut answer fills the whole
    // buffer and need not end in a NUL: ask again with more room.
    for (DWORD size = MAX_PATH; size <= 0x10000; size *= 2) {
        tstring path(size, _T('\0'));
        const DWORD length = GetModuleFileName(nullptr, &path[0], size);
        if (length == 0)
            return tstring();
        if (length < size)
            return path.substr(0, length);
    }
    return tstring();
}
