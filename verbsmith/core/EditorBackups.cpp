#include "verbsmith/core/EditorBackups.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "verbsmith/core/EditorTexts.h"

namespace {
const BackupStore* installed = nullptr;
}  // namespace

const BackupStore& EditorBackups() {
    static const BackupStore user(BackupStore::UserFolder());
    return installed ? *installed : user;
}

void SetEditorBackups(const BackupStore* store) { installed = store; }

bool BackedUp(EditorHost& host, DWORD result) {
    if (result == ERROR_SUCCESS)
        return true;
    host.Tell(FailureText(FormatText(host.Text(texts::kBackupFailed), {EditorBackups().Folder()}),
                          result));
    return false;
}

bool ChangeWithBackup(EditorHost& host, const std::function<DWORD(std::wstring& savedFile)>& save,
                      const std::function<ChangeOutcome()>& change) {
    std::wstring savedFile;
    if (!BackedUp(host, save(savedFile)))
        return false;
    const ChangeOutcome outcome = change();
    if (outcome == ChangeOutcome::kRefused)
        DeleteFileW(savedFile.c_str());
    return outcome == ChangeOutcome::kMade;
}

bool ChangeClassesKey(EditorHost& host, BackupOperation operation, const tstring& entry,
                      ClassesHalf half, const tstring& classesPath,
                      const std::function<ChangeOutcome()>& change) {
    return ChangeWithBackup(
        host,
        [&](std::wstring& savedFile) {
            return EditorBackups().SaveClassesKey(operation, entry, half, classesPath, &savedFile);
        },
        change);
}

ChangeOutcome OutcomeOf(bool done) { return done ? ChangeOutcome::kMade : ChangeOutcome::kRefused; }
