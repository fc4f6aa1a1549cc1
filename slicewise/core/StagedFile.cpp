#include "slicewise/core/StagedFile.h"
#include "framework/Handles.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/PartNames.h"
#include <set>

namespace {
const TCHAR kTemporarySuffix[] = _T(".partial");
const size_t kTemporarySuffixLength = 8;
// Names tried before giving up: leftovers of runs that were killed.
const int kNameTries = 100;

// The final name of a temporary one: the name before ".partial" and the
// number that may follow it.
bool FinalNameOf(const tstring& temporary, tstring& final) {
    const size_t at = temporary.rfind(kTemporarySuffix);
    if (at == tstring::npos || at == 0)
        return false;
    for (size_t i = at + kTemporarySuffixLength; i < temporary.size(); ++i)
        if (temporary[i] < _T('0') || temporary[i] > _T('9'))
            return false;
    final = temporary.substr(0, at);
    return true;
}

// The temporary files of this process's runs, for a session's end. A run
// whose worker stays blocked in a write ends on that worker's thread.
class LiveTemporaries {
public:
    void Add(const tstring& name) {
        AcquireSRWLockExclusive(&lock_);
        names_.insert(name);
        ReleaseSRWLockExclusive(&lock_);
    }
    void Remove(const tstring& name) noexcept {
        AcquireSRWLockExclusive(&lock_);
        names_.erase(name);
        ReleaseSRWLockExclusive(&lock_);
    }
    void DeleteAll() noexcept {
        AcquireSRWLockExclusive(&lock_);
        for (const tstring& name : names_)
            DeleteFile(name.c_str());
        names_.clear();
        ReleaseSRWLockExclusive(&lock_);
    }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    std::set<tstring> names_;
};

// Never destroyed: a worker still blocked at the process's exit may end a
// run after the static objects are gone.
LiveTemporaries& Live() {
    static LiveTemporaries* const live = new LiveTemporaries;
    return *live;
}
}  // namespace

void StagedFile::Create(const tstring& finalPath) {
    Discard();
    for (int attempt = 1;; ++attempt) {
        tstring name = finalPath + kTemporarySuffix;
        if (attempt > 1)
            name += FormatText(_T("%d"), {attempt});
        try {
            file_.Open(name, BufferedFile::kCreateNew, finalPath);
        } catch (const FileError& error) {
            if (error.osError == ERROR_FILE_EXISTS && attempt < kNameTries)
                continue;
            throw;
        }
        Live().Add(name);
        temporary_ = name;
        final_ = finalPath;
        return;
    }
}

void StagedFile::Commit() {
    // On the disk before it takes the name: after a power cut the name holds
    // the old file or the whole new one, never one of the right size that
    // is zeros.
    file_.CloseDurably();
    Rename({temporary_, final_});
    temporary_.clear();
}

StagedName StagedFile::Finish() {
    file_.CloseDurably();
    StagedName name{temporary_, final_};
    temporary_.clear();
    return name;
}

void StagedFile::Rename(const StagedName& name) {
    if (!Writes().Replace(name.temporary, name.final)) {
        const DWORD osError = GetLastError();
        throw FileError::FromLastError(osError, name.final);
    }
    Live().Remove(name.temporary);
}

void StagedFile::Delete(const tstring& temporary) noexcept {
    DeleteFile(temporary.c_str());
    Live().Remove(temporary);
}

void StagedFile::Discard() noexcept {
    file_.Abort();
    if (!temporary_.empty())
        Delete(temporary_);
    temporary_.clear();
}

void RemoveStagedLeftovers(const tstring& stem, const std::function<bool(const tstring&)>& isOurs) {
    const tstring folder = FolderOf(stem);
    WIN32_FIND_DATA found;
    const FindHandle find(
        FindFirstFile((stem + _T("*") + kTemporarySuffix + _T("*")).c_str(), &found));
    if (!find)
        return;
    do {
        tstring final;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            FinalNameOf(found.cFileName, final) && isOurs(final))
            DeleteFile((folder + found.cFileName).c_str());
    } while (FindNextFile(find.Get(), &found));
}

void RemoveAllStaged() noexcept { Live().DeleteAll(); }
