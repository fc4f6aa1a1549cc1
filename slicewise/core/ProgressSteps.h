#pragma once
#include "slicewise/core/SliceHost.h"

// Copies run in blocks, but the status steps stay those of a byte-by-byte
// copy: one for every multiple of 1000 that the byte counter of the current
// part reaches, with the percentage counter x 100 / partSize (64-bit integer
// division). This reports those that the counter passed going from before to
// after (before < after <= partSize).
void ReportProgressSteps(SliceHost& host, int text, ULONGLONG part, ULONGLONG partSize,
                         ULONGLONG before, ULONGLONG after);

// Size of the copy block of Divide and Merge and the blocks in flight
// between the reading thread and the writer and hashes: small enough to stay
// in the processor's cache between the read, the write and the hashes, and
// to let the window pump its messages often even on slow drives; enough of
// them that the slowest worker rarely holds the reading up.
const size_t kCopyBlock = 256 * 1024;
const size_t kCopyBlocks = 16;
