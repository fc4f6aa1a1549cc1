#pragma once
// The way back from every change: before a change, the editor saves what it
// is about to touch, one file per change (BackupFileName.h), and Restore puts
// it back. A registry backup is a .reg file that, applied, leaves the key
// exactly as it was (or deletes it, when it did not exist), so a user can
// also apply it without the editor; a Send To backup is a copy of the file as
// it was, or an empty note that there was none. No window code: failures are
// the system's error codes, and a caller refuses a change whose backup fails.
#include "verbsmith/core/BackupFileName.h"
#include "verbsmith/core/ClassesHalf.h"
#include <vector>

// The time a backup is named after; tests choose it. Its files reach the
// disk through Writes(), as every file the suite writes.
class BackupClock {
public:
    virtual ~BackupClock() = default;
    virtual SYSTEMTIME Now() const;   // local time
};

// How far Restore got: the step that failed, and why.
enum class RestoreStep {
    None,        // restored
    Reading,     // the backup file cannot be read or is no backup of ours
    Checking,    // it reaches beyond its entry: foreignKey
    BackingUp,   // what the entry holds now could not be saved; nothing changed
    Applying,    // the system refused a change: keys may have changed in part
};
struct RestoreResult {
    RestoreStep failedAt = RestoreStep::None;
    DWORD error = ERROR_SUCCESS;   // the system's error code; never ERROR_SUCCESS on failure
    std::wstring foreignKey;       // Checking: the first key or file outside the entry
};

class BackupStore {
public:
    // "<local application data>\Vantorel\Verbsmith\Backups"; empty when the
    // system names no such folder.
    static std::wstring UserFolder();

    // The folder is created on the first backup. The clock must outlive the store.
    explicit BackupStore(std::wstring folder, const BackupClock& clock = DefaultClock());
    const std::wstring& Folder() const { return folder_; }

    // Before a registry change: saves the key below HKEY_CLASSES_ROOT that it
    // touches (the verb key for Add and Remove, the "command" key for Edit,
    // the handler's or the verb's key for Deactivate and Activate, the
    // handler key for Copy To and Move To) in the half the change is made
    // in. savedFile, when given, receives the backup's path, so that a
    // change the system refuses can take it away.
    DWORD SaveClassesKey(BackupOperation operation, const std::wstring& entry, ClassesHalf half,
                         const std::wstring& classesPath, std::wstring* savedFile = nullptr) const;
    // The same for a key given by its full name, read in the view that
    // name is seen in (KeyNames.h).
    DWORD SaveKey(BackupOperation operation, const std::wstring& entry, const std::wstring& keyName,
                  std::wstring* savedFile = nullptr) const;
    // Before a Send To change (create, replace, delete): the file as it is.
    // A name that is no plain file name gives ERROR_INVALID_NAME.
    DWORD SaveSendToFile(BackupOperation operation, const std::wstring& sendToFolder,
                         const std::wstring& fileName, std::wstring* savedFile = nullptr) const;

    // The store's backups, newest first; other files of the folder are left
    // out. Of a registry backup only the first few lines are read, for its
    // entry and location; one whose lines cannot be read stays in the list
    // with the reason (readError).
    std::vector<Backup> List() const;

    // Puts the backup back: afterwards the key holds exactly what the backup
    // holds (or is gone), or the Send To file is back as it was (or gone, if
    // there was none). Restoring is a change too: what it is about to change
    // is saved first (operation Restore), so that it can be undone in turn.
    // A backup that reaches beyond its own entry (RestoreScope.h) changes
    // nothing and saves nothing.
    [[nodiscard]] RestoreResult Restore(const Backup& backup, const std::wstring& sendToFolder) const;

private:
    static const BackupClock& DefaultClock();
    RestoreResult RestoreKey(const Backup& backup) const;
    RestoreResult RestoreSendToFile(const Backup& backup, const std::wstring& sendToFolder) const;
    // Writes bytes(time) under the name for that time, moving on by a
    // millisecond while a file of that name exists.
    template <class Bytes>
    DWORD Save(BackupOperation operation, BackupKind kind, const std::wstring& name, Bytes bytes,
               std::wstring* savedFile) const;

    std::wstring folder_;
    const BackupClock* clock_;
};
