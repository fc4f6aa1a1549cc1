#include "slicewise/core/StagedFile.h"
#include "framework/SafeFormat.h"

namespace {
const TCHAR kTemporarySuffix[] = _T(".partial");
// Names tried before giving up: leftovers of runs that were killed.
const int kNameTries = 100;
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
        temporary_ = name;
        final_ = finalPath;
        return;
    }
}

void StagedFile::Commit() {
    file_.Close();
    if (!MoveFileEx(temporary_.c_str(), final_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD osError = GetLastError();
        throw FileError::FromLastError(osError, final_);
    }
    temporary_.clear();
}

void StagedFile::Discard() noexcept {
    file_.Abort();
    if (!temporary_.empty())
        DeleteFile(temporary_.c_str());
    temporary_.clear();
}
