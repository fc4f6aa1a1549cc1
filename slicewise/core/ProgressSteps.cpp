#include "slicewise/core/ProgressSteps.h"

namespace {
const ULONGLONG kStepBytes = 1000;
}

void ReportProgressSteps(SliceHost& host, int text, ULONGLONG part, ULONGLONG partSize,
                         ULONGLONG before, ULONGLONG after) {
    for (ULONGLONG counter = (before / kStepBytes + 1) * kStepBytes; counter <= after;
         counter += kStepBytes)
        host.Status(SliceStep{text, part, counter * 100 / partSize});
}
