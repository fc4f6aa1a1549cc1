#pragma once
// What a writing helper did: ERROR_SUCCESS, or the system's error code (a
// COM failure keeps its HRESULT), for the caller to report.
#include <windows.h>

struct [[nodiscard]] WriteResult {
    DWORD error = ERROR_SUCCESS;
    explicit operator bool() const { return error == ERROR_SUCCESS; }
};
