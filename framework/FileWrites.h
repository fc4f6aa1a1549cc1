#pragma once
// The calls through which the suite's files reach the disk: the writes, the
// flush that makes them durable and the rename that puts a finished file in
// place of the old one. Tests replace the seam to make a chosen call fail
// with its real error code (a full disk cannot be had on demand), to block
// (a stalled network share) or to record the order of the calls. It may be
// called on any thread that writes a file.
#include "framework/TString.h"

class FileWriteSeam {
public:
    virtual ~FileWriteSeam() = default;
    // WriteFile of count bytes to file, which was opened as path.
    virtual BOOL Write(HANDLE file, const tstring& path, const void* data, DWORD count,
                       DWORD* written);
    // FlushFileBuffers of file, which was opened as path.
    virtual BOOL Flush(HANDLE file, const tstring& path);
    // MoveFileEx from -> to with MOVEFILE_REPLACE_EXISTING and
    // MOVEFILE_WRITE_THROUGH: the rename is on the disk when it returns.
    virtual BOOL Replace(const tstring& from, const tstring& to);
};

// The seam in force; never null.
FileWriteSeam& FileWrites();
// Installs a replacement (tests; not while a file is being written);
// nullptr restores the real calls.
void SetFileWrites(FileWriteSeam* seam);

