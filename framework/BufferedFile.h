#pragma once
// A file with a buffer of its own, for the byte and block copies of the
// splitter. Failures raise FileError, which carries the cause and the file
// name; the command that catches it reports it with ReportFileError.
// Every write and flush reaches the disk through Writes()
// (framework/WriteSeam.h).
#include "framework/WriteSeam.h"

class FileError {
public:
    enum Cause { kGeneric, kFileNotFound, kBadPath, kTooManyOpenFiles, kAccessDenied,
                 kSharingViolation, kDiskFull };
    FileError(Cause cause, DWORD osError, const tstring& fileName)
        : cause(cause), osError(osError), fileName(fileName) {}
    static FileError FromLastError(DWORD osError, const tstring& fileName);
    // The report text, for example "data.bin was not found."
    tstring Message() const;

    Cause cause;
    DWORD osError;
    tstring fileName;
};

// Message box with a stop icon, the error's text and the system's reason
// (ReportFailure); caption: the program's name.
void ReportFileError(HWND owner, const FileError& error, const tstring& caption);

class BufferedFile {
public:
    enum Mode {
        kRead,          // read, no sharing; raises on failure
        kCreateWrite,   // create or truncate for writing, no sharing; raises on failure
        kCreateNew,     // as kCreateWrite, but an existing file is an error (ERROR_FILE_EXISTS);
                        // a temporary file: it may be deleted while open (FILE_SHARE_DELETE)
    };
    BufferedFile() = default;
    ~BufferedFile();   // closes without raising
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    // Errors name reportedName when one is given (a file written under a
    // temporary name is reported by the name the user knows), else path.
    void Open(const tstring& path, Mode mode, const tstring& reportedName = tstring());
    // Opens for reading without raising; false on failure, with the cause
    // left in GetLastError.
    bool TryOpenRead(const tstring& path);
    bool IsOpen() const;

    // Reads up to count bytes; returns how many, fewer only at the end of
    // the file (0 there). Large blocks bypass the buffer.
    size_t Read(void* data, size_t count);
    void Write(const void* data, size_t count);
    bool ReadByte(BYTE& byte);
    void WriteByte(BYTE byte);
    // Length of the file; for a file being written, what it holds once the
    // buffer is flushed (writes are sequential).
    ULONGLONG Length() const;
    // Flushes and closes; raises when the flush fails.
    void Close();
    // As Close, and the bytes are on the disk (FlushFileBuffers) before the
    // file closes: for a file that is renamed into place afterwards.
    void CloseDurably();
    // Closes without raising (after an error, or on a stop request); bytes
    // still buffered are written as far as the file takes them.
    void Abort() noexcept;

    static const size_t kBufferSize = 64 * 1024;

private:
    bool OpenHandle(const tstring& path, Mode mode, const tstring& reportedName);
    [[noreturn]] void Raise(FileError::Cause cause, DWORD osError) const;
    size_t Fill();
    bool WriteOut(const BYTE* data, size_t count, DWORD& osError);
    void Flush();
    void CloseHandleOnly();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    tstring path_;
    tstring reportedName_;
    Mode mode_ = kRead;
    std::vector<BYTE> buffer_ = std::vector<BYTE>(kBufferSize);
    size_t begin_ = 0;   // reading: next unread byte in buffer_
    size_t end_ = 0;     // reading: end of the valid bytes; writing: bytes pending
};
