#pragma once
// The store every change of the editor is backed up in before it is made:
// the user's own (BackupStore::UserFolder), or the one a test installs.
#include "verbsmith/core/BackupStore.h"
#include "verbsmith/core/EditorHost.h"

const BackupStore& EditorBackups();
// nullptr: the user's store again. The store must outlive its use.
void SetEditorBackups(const BackupStore* store);

// ERROR_SUCCESS: true. Otherwise the user hears that the change was not
// made because its backup could not be saved (text 650 with the folder and
// the system's reason), and the result is false.
bool BackedUp(EditorHost& host, DWORD result);
