#pragma once
// The one seam of everything the suite changes on the system: the calls
// through which its files reach the disk (the writes, the flush that makes
// them durable and the rename that puts a finished file in place of the old
// one) and a check before every change of the registry and of a shortcut.
// Tests replace the seam to make a chosen call fail with its real error code
// (Windows refuses what Wine grants; a full disk cannot be had on demand),
// to block (a stalled network share) or to record the order of the calls.
// It may be called on any thread that writes a file.
#include "framework/TString.h"

class WriteSeam {
public:
    virtual ~WriteSeam() = default;
    // WriteFile of count bytes to file, which was opened as path.
    virtual BOOL Write(HANDLE file, const tstring& path, const void* data, DWORD count,
                       DWORD* written);
    // FlushFileBuffers of file, which was opened as path.
    virtual BOOL Flush(HANDLE file, const tstring& path);
    // MoveFileEx from -> to with MOVEFILE_REPLACE_EXISTING and
    // MOVEFILE_WRITE_THROUGH: the rename is on the disk when it returns.
    virtual BOOL Replace(const tstring& from, const tstring& to);
    // Before a registry value or key or a shortcut file named target is
    // changed: ERROR_SUCCESS lets the change go ahead, an error code makes
    // it fail with that code and change nothing.
    virtual DWORD Permit(const tstring& target);
};

// The seam in force; never null.
WriteSeam& Writes();
// Installs a replacement (tests; not while a file is being written);
// nullptr restores the real calls.
void SetWrites(WriteSeam* seam);

