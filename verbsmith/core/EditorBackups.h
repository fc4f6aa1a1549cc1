#pragma once
// The store every change of the editor is backed up in before it is made:
// the user's own (BackupStore::UserFolder), or the one a test installs.
#include "verbsmith/core/BackupStore.h"
#include "verbsmith/core/EditorHost.h"
#include <functional>

const BackupStore& EditorBackups();
// nullptr: the user's store again. The store must outlive its use.
void SetEditorBackups(const BackupStore* store);

// ERROR_SUCCESS: true. Otherwise the user hears that the change was not
// made because its backup could not be saved (text 650 with the folder and
// the system's reason), and the result is false.
bool BackedUp(EditorHost& host, DWORD result);

// What a change did after its backup was saved.
enum class ChangeOutcome {
    kMade,
    kRefused,      // the system refused it before anything changed
    kMadeInPart,   // refused after a first write: the backup is the way back
};
// Saves the backup (save gives its file; BackedUp tells a failure), then
// makes the change; true when it was made. A refused change takes its
// backup away again: a backup stands for a change that happened.
bool ChangeWithBackup(EditorHost& host, const std::function<DWORD(std::wstring& savedFile)>& save,
                      const std::function<ChangeOutcome()>& change);
// The same for a change of the key below HKEY_CLASSES_ROOT in that half.
bool ChangeClassesKey(EditorHost& host, BackupOperation operation, const tstring& entry,
                      ClassesHalf half, const tstring& classesPath,
                      const std::function<ChangeOutcome()>& change);
// A single write: made or refused.
ChangeOutcome OutcomeOf(bool done);
