#include "verbsmith/core/SendToFolder.h"
#include "common/RegistryPlace.h"

tstring SendToFolder() {
    return registry::ReadText(registry::UserShellFolders(), _T("SendTo")).value_or(tstring());
}

bool IsPlainFileName(const tstring& name) {
    return !name.empty() && name != _T(".") && name != _T("..") &&
           name.find_first_of(_T("\\/:")) == tstring::npos;
}
