#pragma once
// The write seam of the tests: notes every flush and rename by file name
// ("flush a.new", "replace a.new a") and every registry or shortcut change
// ("change <target>"), and makes a chosen call fail with its real error
// code: the failCall-th call of any kind, writes counted too (a write or
// flush as a full disk, a rename or change as access denied), or every
// flush, rename or change with flushError, replaceError or changeError.
// Installed while it lives.
#include "framework/WriteSeam.h"
#include <atomic>

class RecordingWrites : public WriteSeam {
public:
    RecordingWrites() { SetWrites(this); }
    ~RecordingWrites() override { SetWrites(nullptr); }
    RecordingWrites(const RecordingWrites&) = delete;
    RecordingWrites& operator=(const RecordingWrites&) = delete;

    // Writes come from the copy's writer threads: counted, not noted.
    BOOL Write(HANDLE file, const tstring& path, const void* data, DWORD count,
               DWORD* written) override {
        return !Fails(ERROR_DISK_FULL, ERROR_SUCCESS) &&
               WriteSeam::Write(file, path, data, count, written);
    }
    BOOL Flush(HANDLE file, const tstring& path) override {
        calls.push_back(_T("flush ") + NameOf(path));
        return !Fails(ERROR_DISK_FULL, flushError) && WriteSeam::Flush(file, path);
    }
    BOOL Replace(const tstring& from, const tstring& to) override {
        calls.push_back(_T("replace ") + NameOf(from) + _T(" ") + NameOf(to));
        return !Fails(ERROR_ACCESS_DENIED, replaceError) && WriteSeam::Replace(from, to);
    }
    DWORD Permit(const tstring& target) override {
        calls.push_back(_T("change ") + target);
        return Fails(ERROR_ACCESS_DENIED, changeError) ? GetLastError() : ERROR_SUCCESS;
    }
    int Calls() const { return count_; }

    int failCall = 0;
    DWORD flushError = ERROR_SUCCESS;
    DWORD replaceError = ERROR_SUCCESS;
    DWORD changeError = ERROR_SUCCESS;
    tstrings calls;

private:
    static tstring NameOf(const tstring& path) { return path.substr(path.rfind(_T('\\')) + 1); }
    bool Fails(DWORD errorOfTheCall, DWORD errorOfTheKind) {
        const DWORD error = ++count_ == failCall ? errorOfTheCall : errorOfTheKind;
        SetLastError(error);
        return error != ERROR_SUCCESS;
    }

    std::atomic<int> count_{0};
};
