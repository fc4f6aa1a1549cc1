#include "common/WriteFailures.h"

namespace {
int countdown = 0;      // calls until the failing one; 0: none armed
DWORD failure = ERROR_SUCCESS;
}  // namespace

void WriteFailures::FailCall(int call, DWORD error) {
    countdown = call;
    failure = error;
}

void WriteFailures::Reset() { FailCall(0, ERROR_SUCCESS); }

DWORD WriteFailures::Next() {
    if (countdown == 0 || --countdown != 0)
        return ERROR_SUCCESS;
    return failure;
}
