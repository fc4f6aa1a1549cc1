#include "framework/WriteSeam.h"

namespace {
WriteSeam realWrites;
WriteSeam* currentWrites = &realWrites;
}  // namespace

BOOL WriteSeam::Write(HANDLE file, const tstring&, const void* data, DWORD count,
                          DWORD* written) {
    return WriteFile(file, data, count, written, nullptr);
}

BOOL WriteSeam::Flush(HANDLE file, const tstring&) { return FlushFileBuffers(file); }

BOOL WriteSeam::Replace(const tstring& from, const tstring& to) {
    return MoveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

DWORD WriteSeam::Permit(const tstring&) { return ERROR_SUCCESS; }

WriteSeam& Writes() { return *currentWrites; }

void SetWrites(WriteSeam* seam) { currentWrites = seam ? seam : &realWrites; }
