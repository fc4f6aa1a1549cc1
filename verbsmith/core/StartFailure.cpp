#include "verbsmith/core/StartFailure.h"
#include "framework/SafeFormat.h"
#include <shellapi.h>

namespace {

DWORD ErrorOfShellResult(INT_PTR result) {
    switch (result) {
    case 0: return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    default: return static_cast<DWORD>(result);
    }
}

}  // namespace

tstring ShellStartFailureReason(INT_PTR result) {
    const DWORD error = ErrorOfShellResult(result);
    TCHAR text[512] = {};
    const DWORD length = FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, error, 0, text, 512, nullptr);
    tstring reason(text, length);
    reason.erase(reason.find_last_not_of(_T(" \r\n")) + 1);
    return reason.empty() ? FormatText(_T("%d"), {static_cast<unsigned>(error)}) : reason;
}
