#include "framework/FileWrites.h"

namespace {
FileWriteSeam realWrites;
FileWriteSeam* currentWrites = &realWrites;
}  // namespace

BOOL FileWriteSeam::Write(HANDLE file, const tstring&, const void* data, DWORD count,
                          DWORD* written) {
    return WriteFile(file, data, count, written, nullptr);
}

BOOL FileWriteSeam::Flush(HANDLE file, const tstring&) { return FlushFileBuffers(file); }

BOOL FileWriteSeam::Replace(const tstring& from, const tstring& to) {
    return MoveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

FileWriteSeam& FileWrites() { return *currentWrites; }

void SetFileWrites(FileWriteSeam* seam) { currentWrites = seam ? seam : &realWrites; }
