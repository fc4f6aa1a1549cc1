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
