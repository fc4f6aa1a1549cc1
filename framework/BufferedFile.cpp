#include "framework/BufferedFile.h"
#include "framework/SystemError.h"
#include <algorithm>
#include <cstring>

namespace {

// ReadFile and WriteFile take 32-bit counts; a gigabyte per call is plenty.
const size_t kMaxCall = 1u << 30;

bool IsDiskFull(DWORD osError) {
    return osError == ERROR_DISK_FULL || osError == ERROR_HANDLE_DISK_FULL;
}

tstring ReplaceName(const TCHAR* pattern, const tstring& fileName) {
    tstring text = pattern;
    const tstring marker = _T("%1");
    for (size_t at = text.find(marker); at != tstring::npos;
         at = text.find(marker, at + fileName.size()))
        text.replace(at, marker.size(), fileName);
    return text;
}

}  // namespace

FileError FileError::FromLastError(DWORD osError, const tstring& fileName) {
    Cause cause = kGeneric;
    switch (osError) {
    case ERROR_FILE_NOT_FOUND:
        cause = kFileNotFound;
        break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_FILENAME_EXCED_RANGE:
        cause = kBadPath;
        break;
    case ERROR_TOO_MANY_OPEN_FILES:
        cause = kTooManyOpenFiles;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        cause = kAccessDenied;
        break;
    case ERROR_SHARING_VIOLATION:
        cause = kSharingViolation;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        cause = kDiskFull;
        break;
    default:
        break;
    }
    return FileError(cause, osError, fileName);
}

tstring FileError::Message() const {
    const TCHAR* pattern = _T("An unknown error occurred while accessing %1.");
    switch (cause) {
    case kFileNotFound: pattern = _T("%1 was not found."); break;
    case kBadPath: pattern = _T("%1 contains an invalid path."); break;
    case kTooManyOpenFiles:
        pattern = _T("%1 could not be opened because there are too many open files.");
        break;
    case kAccessDenied: pattern = _T("Access to %1 was denied."); break;
    case kSharingViolation: pattern = _T("A sharing violation occurred while accessing %1."); break;
    case kDiskFull: pattern = _T("The disk is full while accessing %1."); break;
    case kGeneric: break;
    }
    return ReplaceName(pattern, fileName);
}

void ReportFileError(HWND owner, const FileError& error, const tstring& caption) {
    ReportFailure(owner, error.Message(), error.osError, caption, MB_OK | MB_ICONSTOP);
}

BufferedFile::~BufferedFile() { Abort(); }

bool BufferedFile::OpenHandle(const tstring& path, Mode mode, const tstring& reportedName) {
    Abort();
    path_ = path;
    reportedName_ = reportedName.empty() ? path : reportedName;
    mode_ = mode;
    begin_ = end_ = 0;
    const bool reading = mode == kRead;
    const DWORD disposition =
        reading ? OPEN_EXISTING : mode == kCreateNew ? CREATE_NEW : CREATE_ALWAYS;
    // A temporary file can be deleted by whoever cleans up at a session's end
    // while a blocked write still holds it: the name goes when it closes.
    const DWORD share = mode == kCreateNew ? FILE_SHARE_DELETE : 0;
    handle_ = CreateFile(path.c_str(), reading ? GENERIC_READ : GENERIC_WRITE, share, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
}

void BufferedFile::Open(const tstring& path, Mode mode, const tstring& reportedName) {
    if (!OpenHandle(path, mode, reportedName)) {
        const DWORD osError = GetLastError();
        throw FileError::FromLastError(osError, reportedName_);
    }
}

bool BufferedFile::TryOpenRead(const tstring& path) { return OpenHandle(path, kRead, tstring()); }

bool BufferedFile::IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

void BufferedFile::Raise(FileError::Cause cause, DWORD osError) const {
    throw FileError(cause, osError, reportedName_);
}

size_t BufferedFile::Fill() {
    begin_ = end_ = 0;
    DWORD got = 0;
    if (!ReadFile(handle_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &got, nullptr))
        Raise(FileError::kGeneric, GetLastError());
    end_ = got;
    return got;
}

size_t BufferedFile::Read(void* data, size_t count) {
    BYTE* out = static_cast<BYTE*>(data);
    size_t done = std::min(count, end_ - begin_);
    if (done > 0) {
        std::memcpy(out, buffer_.data() + begin_, done);
        begin_ += done;
    }
    while (done < count) {
        const size_t left = count - done;
        if (left >= kBufferSize) {
            // The caller's block is at least as large as ours: no copy through it.
            DWORD got = 0;
            if (!ReadFile(handle_, out + done, static_cast<DWORD>(std::min(left, kMaxCall)), &got,
                          nullptr))
                Raise(FileError::kGeneric, GetLastError());
            if (got == 0)
                break;
            done += got;
        } else {
            if (Fill() == 0)
                break;
            const size_t take = std::min(left, end_);
            std::memcpy(out + done, buffer_.data(), take);
            begin_ = take;
            done += take;
        }
    }
    return done;
}

bool BufferedFile::ReadByte(BYTE& byte) {
    if (begin_ == end_ && Fill() == 0)
        return false;
    byte = buffer_[begin_++];
    return true;
}

bool BufferedFile::WriteOut(const BYTE* data, size_t count, DWORD& osError) {
    while (count > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(count, kMaxCall));
        DWORD written = 0;
        if (!Writes().Write(handle_, path_, data, chunk, &written)) {
            osError = GetLastError();
            return false;
        }
        if (written == 0) {
            // A write that takes nothing without an error: the volume is full.
            osError = ERROR_DISK_FULL;
            return false;
        }
        data += written;
        count -= written;
    }
    return true;
}

void BufferedFile::Flush() {
    DWORD osError = 0;
    const size_t pending = end_;
    end_ = 0;
    if (pending > 0 && !WriteOut(buffer_.data(), pending, osError))
        Raise(IsDiskFull(osError) ? FileError::kDiskFull : FileError::kGeneric, osError);
}

void BufferedFile::Write(const void* data, size_t count) {
    const BYTE* in = static_cast<const BYTE*>(data);
    if (count <= kBufferSize - end_) {
        if (count > 0)
            std::memcpy(buffer_.data() + end_, in, count);
        end_ += count;
        return;
    }
    Flush();
    if (count < kBufferSize) {
        std::memcpy(buffer_.data(), in, count);
        end_ = count;
        return;
    }
    DWORD osError = 0;
    if (!WriteOut(in, count, osError))
        Raise(IsDiskFull(osError) ? FileError::kDiskFull : FileError::kGeneric, osError);
}

void BufferedFile::WriteByte(BYTE byte) {
    if (end_ == kBufferSize)
        Flush();
    buffer_[end_++] = byte;
}

ULONGLONG BufferedFile::Length() const {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(handle_, &size))
        Raise(FileError::kGeneric, GetLastError());
    ULONGLONG length = static_cast<ULONGLONG>(size.QuadPart);
    if (mode_ != kRead)
        length += end_;
    return length;
}

void BufferedFile::CloseHandleOnly() {
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    begin_ = end_ = 0;
}

void BufferedFile::Close() {
    if (!IsOpen())
        return;
    DWORD osError = 0;
    const bool written = mode_ == kRead || end_ == 0 ||
                         WriteOut(buffer_.data(), end_, osError);
    CloseHandleOnly();
    if (!written)
        Raise(IsDiskFull(osError) ? FileError::kDiskFull : FileError::kGeneric, osError);
}

void BufferedFile::CloseDurably() {
    if (!IsOpen())
        return;
    Flush();
    if (mode_ != kRead && !Writes().Flush(handle_, path_)) {
        const DWORD osError = GetLastError();
        CloseHandleOnly();
        Raise(IsDiskFull(osError) ? FileError::kDiskFull : FileError::kGeneric, osError);
    }
    CloseHandleOnly();
}

void BufferedFile::Abort() noexcept {
    if (!IsOpen())
        return;
    DWORD ignored = 0;
    try {
        if (mode_ != kRead && end_ > 0)
            WriteOut(buffer_.data(), end_, ignored);
    } catch (...) {
        // A write seam that throws: the file is closed all the same.
    }
    CloseHandleOnly();
}
