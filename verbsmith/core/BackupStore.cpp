#include "verbsmith/core/BackupStore.h"
#include "framework/Handles.h"
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/KeySnapshot.h"
#include <shlobj.h>
#include <algorithm>

namespace {

const int kNameAttempts = 1000;
const wchar_t kEntryComment[] = L" Entry: ";
const wchar_t kLocationComment[] = L" Location: ";

DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return GetLastError();
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
        if (got == 0) return ERROR_SUCCESS;
        bytes.append(buffer, got);
    }
    return GetLastError();
}

// A partly written file is deleted: a backup is whole or not there.
DWORD WriteWholeFile(const std::wstring& path, const std::string& bytes, DWORD disposition) {
    DWORD rc = ERROR_SUCCESS;
    {
        const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr));
        if (!file) return GetLastError();
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
            rc = GetLastError();
        else if (written != bytes.size())
            rc = ERROR_DISK_FULL;
    }
    if (rc != ERROR_SUCCESS) DeleteFileW(path.c_str());
    return rc;
}

SYSTEMTIME OneMillisecondLater(const SYSTEMTIME& time) {
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER ticks = {{file.dwLowDateTime, file.dwHighDateTime}};
    ticks.QuadPart += 10000;
    file = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME later;
    FileTimeToSystemTime(&file, &later);
    return later;
}

std::wstring CommentValue(const RegDocument& document, const std::wstring& prefix) {
    for (const std::wstring& comment : document.comments)
        if (comment.compare(0, prefix.size(), prefix) == 0) return comment.substr(prefix.size());
    return {};
}

// Entry and location of a registry backup stand in its comment lines.
bool ReadKeyComments(Backup& backup) {
    std::string bytes;
    RegDocument document;
    if (ReadWholeFile(backup.path, bytes) != ERROR_SUCCESS || ParseRegFile(bytes, document) != ERROR_SUCCESS)
        return false;
    backup.entry = CommentValue(document, kEntryComment);
    backup.location = CommentValue(document, kLocationComment);
    return !backup.location.empty();
}

}  // namespace

SYSTEMTIME BackupSeam::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

DWORD BackupSeam::CreateNewFile(const std::wstring& path, const std::string& bytes) const {
    return WriteWholeFile(path, bytes, CREATE_NEW);
}

std::wstring BackupStore::UserFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
    return std::wstring(folder) + L"\\Vantorel\\Verbsmith\\Backups";
}

const BackupSeam& BackupStore::DefaultSeam() {
    static const BackupSeam seam;
    return seam;
}

BackupStore::BackupStore(std::wstring folder, const BackupSeam& seam) : folder_(std::move(folder)), seam_(&seam) {}

template <class Bytes>
DWORD BackupStore::Save(BackupOperation operation, BackupKind kind, const std::wstring& name, Bytes bytes) const {
    if (folder_.empty()) return ERROR_PATH_NOT_FOUND;
    // An existing folder (or a file in its way) is for the write to report.
    SHCreateDirectoryExW(nullptr, folder_.c_str(), nullptr);
    SYSTEMTIME time = seam_->Now();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, time = OneMillisecondLater(time)) {
        std::string content;
        DWORD rc = bytes(time, content);
        if (rc == ERROR_SUCCESS)
            rc = seam_->CreateNewFile(folder_ + L"\\" + BackupFileName(time, operation, kind, name), content);
        if (rc != ERROR_FILE_EXISTS) return rc;
    }
    return ERROR_FILE_EXISTS;
}

DWORD BackupStore::SaveClassesKey(BackupOperation operation, const std::wstring& entry,
                                  const std::wstring& classesPath) const {
    return SaveKey(operation, entry, ClassesKeyName(classesPath));
}

DWORD BackupStore::SaveKey(BackupOperation operation, const std::wstring& entry, const std::wstring& keyName) const {
    KeySnapshot snapshot;
    const DWORD rc = TakeKeySnapshot(keyName, snapshot);
    if (rc != ERROR_SUCCESS) return rc;
    return Save(operation, BackupKind::Key, entry, [&](const SYSTEMTIME& time, std::string& bytes) {
        snapshot.document.comments = {L" Verbsmith backup",
                                      L" Operation: " + std::wstring(BackupOperationWord(operation)),
                                      kEntryComment + entry,
                                      L" Time: " + BackupTimeText(time),
                                      kLocationComment + keyName};
        return FormatRegFile(snapshot.document, bytes);
    });
}

DWORD BackupStore::SaveSendToFile(BackupOperation operation, const std::wstring& sendToFolder,
                                  const std::wstring& fileName) const {
    if (fileName.empty() || fileName.find_first_of(L"\\/") != std::wstring::npos) return ERROR_INVALID_NAME;
    // Without the folder the path would name a file at the root of the drive.
    if (sendToFolder.empty()) return ERROR_PATH_NOT_FOUND;
    std::string bytes;
    const DWORD rc = ReadWholeFile(sendToFolder + L"\\" + fileName, bytes);
    const bool none = rc == ERROR_FILE_NOT_FOUND || rc == ERROR_PATH_NOT_FOUND;
    if (rc != ERROR_SUCCESS && !none) return rc;
    return Save(operation, none ? BackupKind::NoFile : BackupKind::File, fileName,
                [&bytes](const SYSTEMTIME&, std::string& content) {
                    content = bytes;
                    return static_cast<DWORD>(ERROR_SUCCESS);
                });
}

std::vector<Backup> BackupStore::List() const {
    std::vector<Backup> backups;
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileW((folder_ + L"\\*").c_str(), &found));
    if (!search) return backups;
    do {
        Backup backup;
        backup.path = folder_ + L"\\" + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && ParseBackupFileName(found.cFileName, backup) &&
            (backup.kind != BackupKind::Key || ReadKeyComments(backup)))
            backups.push_back(backup);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) { return a.path > b.path; });
    return backups;
}

DWORD BackupStore::SaveBeforeRestore(const Backup& backup, const std::wstring& sendToFolder) const {
    if (backup.kind == BackupKind::Key) return SaveKey(BackupOperation::Restore, backup.entry, backup.location);
    return SaveSendToFile(BackupOperation::Restore, sendToFolder, backup.location);
}

DWORD BackupStore::Restore(const Backup& backup, const std::wstring& sendToFolder) const {
    if (backup.kind != BackupKind::Key && sendToFolder.empty()) return ERROR_PATH_NOT_FOUND;
    const std::wstring sendToFile = sendToFolder + L"\\" + backup.location;
    if (backup.kind == BackupKind::NoFile) {
        const DWORD rc = DeleteFileW(sendToFile.c_str()) ? ERROR_SUCCESS : GetLastError();
        return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
    }
    std::string bytes;
    DWORD rc = ReadWholeFile(backup.path, bytes);
    if (rc != ERROR_SUCCESS) return rc;
    if (backup.kind == BackupKind::File) return WriteWholeFile(sendToFile, bytes, CREATE_ALWAYS);
    RegDocument document;
    rc = ParseRegFile(bytes, document);
    return rc != ERROR_SUCCESS ? rc : ApplyRegDocument(document);
}
