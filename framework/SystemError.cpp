#include "framework/SystemError.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"

tstring SystemErrorText(DWORD error) {
    TCHAR text[512] = {};
    const DWORD length = FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, error, 0, text, 512, nullptr);
    tstring reason(text, length);
    reason.erase(reason.find_last_not_of(_T(" \r\n")) + 1);
    return reason.empty() ? FormatText(_T("%d"), {static_cast<unsigned long long>(error)}) : reason;
}

tstring FailureText(const tstring& what, DWORD error) {
    return error == ERROR_SUCCESS ? what : what + _T("\n\n") + SystemErrorText(error);
}

void ReportFailure(HWND owner, const tstring& what, DWORD error, const tstring& caption,
                   UINT type) {
    Ui().ShowMessage(owner, FailureText(what, error), caption, type);
}
