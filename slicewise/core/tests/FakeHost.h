#pragma once
// A stand-in for the Slicewise window: records the status steps, the
// progress and the folder box, answers texts as "T<number>" (with their
// placeholders where they have some) and can ask for a stop. Its messages
// and file dialog go through the UI seam, as the window's do.
#include "framework/BufferedFile.h"
#include "framework/Handles.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"
#include "slicewise/core/SliceHost.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/core/Sha256.h"
#include "slicewise/core/Volume.h"
#include "tests/support/TempFolder.h"
#include <map>
#include <new>
#include <vector>

class FakeHost : public SliceHost {
public:
    void Tell(const tstring& text, const tstring& caption) override {
        Ui().ShowMessage(nullptr, text, caption, MB_OK);
    }
    void TellFileError(const FileError& error) override {
        ReportFileError(nullptr, error, kSlicewiseName);
    }
    bool ChooseFile(const tstring& filter, size_t bufferChars, tstring& path) override {
        return Ui().ChooseOpenFile(nullptr, filter, bufferChars, path);
    }
    tstring Text(int number) override {
        switch (number) {
        case slicetext::kMissingPart: return _T("missing %s");
        case slicetext::kEmptyFirstPart: return _T("empty %s");
        case slicetext::kShortPart: return _T("short %s");
        case slicetext::kForeignChecksums: return _T("foreign %s");
        case slicetext::kPartMismatch: return _T("mismatch %s in %s");
        case slicetext::kJoinedMismatch: return _T("joined %s differs from %s");
        case slicetext::kNoRoom: return _T("no room in %s: need %s, free %s");
        case slicetext::kFileTooLarge: return _T("%s is %s: at most %s, parts of %s");
        case slicetext::kArchiveVolume: return _T("archive %s");
        case slicetext::kLongPart: return _T("long %s");
        case slicetext::kChecksumPathName: return _T("%s names path %s");
        case slicetext::kDamagedCrcFile: return _T("damaged %s");
        case slicetext::kBadPartCount: return _T("parts 2 to %s");
        default: return FormatText(_T("T%d"), {number});
        }
    }
    void Status(const SliceStep& step) override { steps.push_back(step); }
    void Progress(ULONGLONG done, ULONGLONG total) override {
        progress.push_back({done, total});
    }
    bool KeepGoing() override { return ++keepGoingCalls != stopAtCall; }
    bool KeepWaiting() override { return ++keepWaitingCalls != stopAtWait; }
    tstring FolderBox() override { return folder; }
    void SetFolderBox(const tstring& text) override {
        folder = text;
        folderShown.push_back(text);
    }

    std::vector<SliceStep> steps;
    std::vector<std::pair<ULONGLONG, ULONGLONG>> progress;   // done, total
    int keepGoingCalls = 0;
    int stopAtCall = 0;   // KeepGoing answers false on this call (1 = the first)
    int keepWaitingCalls = 0;
    int stopAtWait = 0;   // the same for KeepWaiting
    tstring folder = _T("C:\\out\\...");
    tstrings folderShown;
};

// Fails the writes to files whose path holds `match` from the write that
// would take the file past `after` bytes on: with the system error `error`,
// or by throwing what `raise` throws. Installed while it lives.
class FailingWrites : public WriteSeam {
public:
    FailingWrites(const tstring& match, ULONGLONG after, DWORD error, void (*raise)() = nullptr)
        : match_(match), after_(after), error_(error), raise_(raise) {
        SetWrites(this);
    }
    ~FailingWrites() override { SetWrites(nullptr); }
    BOOL Write(HANDLE file, const tstring& path, const void* data, DWORD count,
               DWORD* written) override {
        if (path.find(match_) != tstring::npos) {
            LARGE_INTEGER at = {};
            SetFilePointerEx(file, at, &at, FILE_CURRENT);
            if (static_cast<ULONGLONG>(at.QuadPart) + count > after_) {
                if (raise_) raise_();
                SetLastError(error_);
                return FALSE;
            }
        }
        return WriteFile(file, data, count, written, nullptr);
    }

private:
    tstring match_;
    ULONGLONG after_;
    DWORD error_;
    void (*raise_)();
};

// Every call of one kind (write, flush to the disk, rename) hangs until
// released, as one to a stalled network share does; installed while it lives.
class StalledWrites : public WriteSeam {
public:
    enum Call { kWrite, kFlush, kReplace };
    explicit StalledWrites(Call stalled = kWrite) : stalled_(stalled) { SetWrites(this); }
    ~StalledWrites() override {
        SetEvent(released_.Get());
        SetWrites(nullptr);
    }
    BOOL Write(HANDLE file, const tstring& path, const void* data, DWORD count,
               DWORD* written) override {
        Hang(kWrite);
        return WriteSeam::Write(file, path, data, count, written);
    }
    BOOL Flush(HANDLE file, const tstring& path) override {
        Hang(kFlush);
        return WriteSeam::Flush(file, path);
    }
    BOOL Replace(const tstring& from, const tstring& to) override {
        Hang(kReplace);
        return WriteSeam::Replace(from, to);
    }

private:
    void Hang(Call call) {
        if (call == stalled_)
            WaitForSingleObject(released_.Get(), INFINITE);
    }

    Call stalled_;
    KernelHandle released_{CreateEvent(nullptr, TRUE, FALSE, nullptr)};
};

// What a failing call may throw besides file errors.
inline void ThrowNoMemory() { throw std::bad_alloc(); }
inline void ThrowOther() { throw 1; }

// Reports the free space and file system chosen; installed while it lives.
class FakeVolume : public VolumeSeam {
public:
    FakeVolume(bool known, ULONGLONG free, const tstring& fileSystem)
        : known_(known), free_(free), fileSystem_(fileSystem) {
        SetVolumes(this);
    }
    ~FakeVolume() override { SetVolumes(nullptr); }
    bool FreeBytes(const tstring& folder, ULONGLONG& bytes) override {
        asked.push_back(folder);
        bytes = free_;
        return known_;
    }
    tstring FileSystem(const tstring&) override { return fileSystem_; }

    tstrings asked;

private:
    bool known_;
    ULONGLONG free_;
    tstring fileSystem_;
};

// Deterministic bytes that differ from position to position.
inline std::string TestBytes(size_t count, unsigned seed = 1) {
    std::string bytes(count, '\0');
    unsigned value = seed * 2654435761u + 12345;
    for (size_t i = 0; i < count; ++i) {
        value = value * 1103515245u + 12345;
        bytes[i] = static_cast<char>(value >> 16);
    }
    return bytes;
}

// Every file of folder by name, with its bytes.
inline std::map<tstring, std::string> FolderContents(const tstring& folder) {
    std::map<tstring, std::string> contents;
    for (const tstring& name : files::List(folder)) contents[name] = files::Read(folder + _T("\\") + name);
    return contents;
}

inline SliceStep Step(int text, ULONGLONG part = 0, ULONGLONG percent = 0) {
    return SliceStep{text, part, percent};
}

// The steps a byte-by-byte copy shows for a set of parts of partSize bytes
// (the last one shorter): a step at every 1000th byte of a part, then the
// next part's start. Texts: the first line, part start, progress.
inline std::vector<SliceStep> ByteBySteps(int first, int partStart, int progress,
                                          ULONGLONG total, ULONGLONG partSize) {
    std::vector<SliceStep> steps = {Step(first)};
    ULONGLONG part = 1;
    for (ULONGLONG done = 0; done < total; done += partSize, ++part) {
        if (part > 1) steps.push_back(Step(partStart, part));
        const ULONGLONG bytes = total - done < partSize ? total - done : partSize;
        for (ULONGLONG counter = 1000; counter <= bytes; counter += 1000)
            steps.push_back(Step(progress, part, counter * 100 / partSize));
    }
    if (total % partSize == 0) steps.push_back(Step(partStart, part));
    steps.push_back(Step(0));
    return steps;
}

// The checksum file of source divided into parts of partSize, named after
// name (ASCII), made here by hashing each slice on its own.
inline std::string ChecksumsOf(const std::string& source, size_t partSize, const std::string& name) {
    std::string text;
    const size_t count = source.size() / partSize + 1;
    for (size_t n = 1; n <= count; ++n) {
        const std::string slice =
            (n - 1) * partSize < source.size() ? source.substr((n - 1) * partSize, partSize) : "";
        Sha256 hash;
        hash.Update(slice.data(), slice.size());
        char number[16];
        wsprintfA(number, ".%05u.vtrl", static_cast<unsigned>(n));
        text += HexDigest(hash.Final()) + "  " + name + number + "\n";
    }
    Sha256 whole;
    whole.Update(source.data(), source.size());
    return text + HexDigest(whole.Final()) + "  " + name + "\n";
}

// Runs GNU sha256sum -c on the checksum file in folder, as a user of the
// set would: Wine starts the Linux program in that folder. Wine gives no
// handle to wait on for a Linux process, so the output is named when it is
// complete and waited for. Returns what sha256sum printed, followed by
// "exit=" and its exit code.
inline std::string GnuSha256Check(const tstring& folder, const tstring& checksums,
                                  const tstring& options = _T("")) {
    tstring command = _T("/bin/sh -c \"sha256sum -c ") + options + _T(" '") + checksums +
                      _T("' >gnu-check.tmp 2>&1; echo exit=$? >>gnu-check.tmp; ") +
                      _T("mv gnu-check.tmp gnu-check.txt\"");
    STARTUPINFO startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcess(_T("Z:\\bin\\sh"), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &process))
        return "not started";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const tstring result = folder + _T("\\gnu-check.txt");
    for (int waited = 0; !files::Exists(result) && waited < 30000; waited += 10)
        Sleep(10);
    const std::string output = files::Read(result);
    DeleteFile(result.c_str());
    return output;
}
