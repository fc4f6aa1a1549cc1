#include "verbsmith/core/SendToFolder.h"

tstring SendToFolder(const PowerClass& power) {
    const tstring folder = power.ReadRegistryText(PowerClass::kShellFolders, _T("SendTo"));
    return folder == PowerClass::kNoRegSz ? tstring() : folder;
}

bool IsPlainFileName(const tstring& name) {
    return !name.empty() && name != _T(".") && name != _T("..") &&
           name.find_first_of(_T("\\/:")) == tstring::npos;
}
