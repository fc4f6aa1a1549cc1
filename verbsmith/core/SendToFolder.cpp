#include "verbsmith/core/SendToFolder.h"
#include "common/RegistryPlace.h"
#include "framework/WriteSeam.h"

tstring SendToFolder() {
    return registry::ReadText(registry::UserShellFolders(), _T("SendTo")).value_or(tstring());
}

bool IsPlainFileName(const tstring& name) {
    return !name.empty() && name != _T(".") && name != _T("..") &&
           name.find_first_of(_T("\\/:")) == tstring::npos;
}

DWORD DeleteSendToFile(const tstring& path) {
    if (const DWORD refused = Writes().Permit(path)) return refused;
    return DeleteFile(path.c_str()) ? ERROR_SUCCESS : GetLastError();
}
