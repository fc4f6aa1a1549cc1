#pragma once
// What a file of the backup store is, read back from its name:
// "<yyyy-mm-dd>_<hh-mm-ss>_<ms>_<operation>_<kind>_<rest>", so that a
// listing by name is a listing by time.
//   Key:    rest = a safe short form of the entry name + ".reg"
//   File:   rest = the Send To file's own name (the copy of it)
//   NoFile: rest = the Send To file's own name + ".none" (an empty note)
#include <windows.h>
#include <string>

enum class BackupOperation { Add, Edit, Remove, Deactivate, Activate, CopyTo, MoveTo, Restore };

enum class BackupKind {
    Key,      // a .reg file that gives back a registry key
    File,     // a copy of a Send To file as it was
    NoFile,   // there was no such Send To file
};

struct Backup {
    std::wstring path;       // the backup file
    SYSTEMTIME time = {};    // local time
    BackupOperation operation = BackupOperation::Edit;
    BackupKind kind = BackupKind::Key;
    std::wstring entry;      // the entry's name
    std::wstring location;   // Key: the full key name; File, NoFile: the Send To file's name
    DWORD readError = ERROR_SUCCESS;   // Key: why entry and location could not be read
};

// name: the entry's name (Key) or the Send To file's name.
std::wstring BackupFileName(const SYSTEMTIME& time, BackupOperation operation, BackupKind kind,
                            const std::wstring& name);
// Fills time, operation and kind, and for File and NoFile also entry and
// location; false for a name the store does not write.
bool ParseBackupFileName(const std::wstring& fileName, Backup& backup);

// "Add", "Edit", ... "CopyTo", "MoveTo", "Restore": the word in names and comments.
const wchar_t* BackupOperationWord(BackupOperation operation);

// At most 40 characters of the name, each one a file name cannot hold
// replaced by "-".
std::wstring SafeShortName(const std::wstring& name);

// "2026-12-08 14:03:27.123"
std::wstring BackupTimeText(const SYSTEMTIME& time);
