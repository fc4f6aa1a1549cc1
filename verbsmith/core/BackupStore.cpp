#include "verbsmith/core/BackupStore.h"
#include "framework/WriteSeam.h"
#include "framework/Handles.h"
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/KeySnapshot.h"
#include "verbsmith/core/RestoreScope.h"
#include "verbsmith/core/SendToFolder.h"
#include <shlobj.h>
#include <algorithm>

namespace {

const int kNameAttempts = 1000;
const wchar_t kEntryComment[] = L" Entry: ";
const wchar_t kLocationComment[] = L" Location: ";
// For people: the 64-bit regedit applies such a file in that view anyway,
// and Restore takes the view from the location (KeyNames.h), never from it.
const wchar_t k64BitViewComment[] = L" View: 64-bit";
// A backup is a few kilobytes: a file far larger is no backup of ours, and
// reading it whole would only exhaust the memory.
const size_t kMaxFileBytes = 64u << 20;
// Enough for the header and the comment lines the list shows.
const size_t kCommentBytes = 8192;

// The file's bytes, at most limit of them. whole: a longer file gives
// ERROR_FILE_TOO_LARGE and no bytes.
DWORD ReadFileStart(const std::wstring& path, size_t limit, bool whole, std::string& bytes) {
    bytes.clear();
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return GetLastError();
    LARGE_INTEGER size;
    if (whole && GetFileSizeEx(file.Get(), &size) && static_cast<ULONGLONG>(size.QuadPart) > limit)
        return ERROR_FILE_TOO_LARGE;
    // One byte more tells a file that grew past the limit since.
    const size_t most = whole ? limit + 1 : limit;
    char buffer[65536];
    DWORD got = 0;
    while (bytes.size() < most) {
        const DWORD want = static_cast<DWORD>(std::min(sizeof buffer, most - bytes.size()));
        if (!ReadFile(file.Get(), buffer, want, &got, nullptr)) return GetLastError();
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    if (bytes.size() <= limit) return ERROR_SUCCESS;
    bytes.clear();
    return ERROR_FILE_TOO_LARGE;
}

DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
    return ReadFileStart(path, kMaxFileBytes, true, bytes);
}

// A partly written or unflushed file is deleted: a backup is whole and on
// the disk, or not there.
DWORD WriteWholeFile(const std::wstring& path, const std::string& bytes, DWORD disposition) {
    DWORD rc = ERROR_SUCCESS;
    {
        const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr));
        if (!file) return GetLastError();
        DWORD written = 0;
        if (!Writes().Write(file.Get(), path, bytes.data(), static_cast<DWORD>(bytes.size()), &written))
            rc = GetLastError();
        else if (written != bytes.size())
            rc = ERROR_DISK_FULL;
        else if (!Writes().Flush(file.Get(), path))
            rc = GetLastError();
    }
    if (rc != ERROR_SUCCESS) DeleteFileW(path.c_str());
    return rc;
}

// The bytes go beside the live file and take its name in one rename once
// they are on the disk: a failure leaves the live file as it was.
DWORD PutInPlace(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".new";
    DWORD rc = WriteWholeFile(temporary, bytes, CREATE_ALWAYS);
    if (rc == ERROR_SUCCESS && !Writes().Replace(temporary, path)) {
        rc = GetLastError();
        DeleteFileW(temporary.c_str());
    }
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

std::wstring CommentValue(const std::vector<std::wstring>& comments, const std::wstring& prefix) {
    for (const std::wstring& comment : comments)
        if (comment.compare(0, prefix.size(), prefix) == 0) return comment.substr(prefix.size());
    return {};
}

// Entry and location of a registry backup stand in its comment lines.
DWORD ReadKeyComments(Backup& backup) {
    std::string start;
    std::vector<std::wstring> comments;
    DWORD rc = ReadFileStart(backup.path, kCommentBytes, false, start);
    if (rc == ERROR_SUCCESS) rc = ParseRegComments(start, comments);
    backup.entry = CommentValue(comments, kEntryComment);
    backup.location = CommentValue(comments, kLocationComment);
    return rc == ERROR_SUCCESS && backup.location.empty() ? ERROR_INVALID_DATA : rc;
}

RestoreResult Failed(RestoreStep step, DWORD error) { return {step, error, {}}; }

}  // namespace

SYSTEMTIME BackupClock::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

std::wstring BackupStore::UserFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
    return std::wstring(folder) + L"\\Vantorel\\Verbsmith\\Backups";
}

const BackupClock& BackupStore::DefaultClock() {
    static const BackupClock clock;
    return clock;
}

BackupStore::BackupStore(std::wstring folder, const BackupClock& clock) : folder_(std::move(folder)), clock_(&clock) {}

template <class Bytes>
DWORD BackupStore::Save(BackupOperation operation, BackupKind kind, const std::wstring& name, Bytes bytes,
                        std::wstring* savedFile) const {
    if (folder_.empty()) return ERROR_PATH_NOT_FOUND;
    // An existing folder (or a file in its way) is for the write to report.
    SHCreateDirectoryExW(nullptr, folder_.c_str(), nullptr);
    SYSTEMTIME time = clock_->Now();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, time = OneMillisecondLater(time)) {
        std::string content;
        DWORD rc = bytes(time, content);
        const std::wstring path = folder_ + L"\\" + BackupFileName(time, operation, kind, name);
        if (rc == ERROR_SUCCESS) rc = WriteWholeFile(path, content, CREATE_NEW);
        if (rc == ERROR_SUCCESS && savedFile) *savedFile = path;
        if (rc != ERROR_FILE_EXISTS) return rc;
    }
    return ERROR_FILE_EXISTS;
}

DWORD BackupStore::SaveClassesKey(BackupOperation operation, const std::wstring& entry, ClassesHalf half,
                                  const std::wstring& classesPath, std::wstring* savedFile) const {
    return SaveKey(operation, entry, HalfKeyName(half, classesPath), savedFile);
}

DWORD BackupStore::SaveKey(BackupOperation operation, const std::wstring& entry, const std::wstring& keyName,
                           std::wstring* savedFile) const {
    KeySnapshot snapshot;
    const REGSAM view = ViewOfKey(keyName);
    const DWORD rc = TakeKeySnapshot(keyName, snapshot, view);
    if (rc != ERROR_SUCCESS) return rc;
    return Save(operation, BackupKind::Key, entry, [&](const SYSTEMTIME& time, std::string& bytes) {
        snapshot.document.comments = {L" Verbsmith backup",
                                      L" Operation: " + std::wstring(BackupOperationWord(operation)),
                                      kEntryComment + entry,
                                      L" Time: " + BackupTimeText(time),
                                      kLocationComment + keyName};
        if (view == KEY_WOW64_64KEY) snapshot.document.comments.push_back(k64BitViewComment);
        return FormatRegFile(snapshot.document, bytes);
    }, savedFile);
}

DWORD BackupStore::SaveSendToFile(BackupOperation operation, const std::wstring& sendToFolder,
                                  const std::wstring& fileName, std::wstring* savedFile) const {
    if (!IsPlainFileName(fileName)) return ERROR_INVALID_NAME;
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
                }, savedFile);
}

std::vector<Backup> BackupStore::List() const {
    std::vector<Backup> backups;
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileW((folder_ + L"\\*").c_str(), &found));
    if (!search) return backups;
    do {
        Backup backup;
        backup.path = folder_ + L"\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || !ParseBackupFileName(found.cFileName, backup))
            continue;
        if (backup.kind == BackupKind::Key) backup.readError = ReadKeyComments(backup);
        backups.push_back(backup);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) { return a.path > b.path; });
    return backups;
}

RestoreResult BackupStore::Restore(const Backup& backup, const std::wstring& sendToFolder) const {
    return backup.kind == BackupKind::Key ? RestoreKey(backup) : RestoreSendToFile(backup, sendToFolder);
}

// Entry and location come from the bytes that are applied, not from the
// list, which the file may have changed since.
RestoreResult BackupStore::RestoreKey(const Backup& backup) const {
    std::string bytes;
    RegDocument document;
    DWORD rc = ReadWholeFile(backup.path, bytes);
    if (rc == ERROR_SUCCESS) rc = ParseRegFile(bytes, document);
    const std::wstring location = CommentValue(document.comments, kLocationComment);
    if (rc == ERROR_SUCCESS && location.empty()) rc = ERROR_INVALID_DATA;
    if (rc != ERROR_SUCCESS) return Failed(RestoreStep::Reading, rc);
    if (const std::optional<std::wstring> foreign = FirstForeignKey(location, document))
        return {RestoreStep::Checking, ERROR_INVALID_DATA, *foreign};
    rc = SaveKey(BackupOperation::Restore, CommentValue(document.comments, kEntryComment), location);
    if (rc != ERROR_SUCCESS) return Failed(RestoreStep::BackingUp, rc);
    rc = ApplyRegDocument(document, ViewOfKey(location));
    return rc == ERROR_SUCCESS ? RestoreResult() : Failed(RestoreStep::Applying, rc);
}

RestoreResult BackupStore::RestoreSendToFile(const Backup& backup, const std::wstring& sendToFolder) const {
    if (!IsPlainFileName(backup.location)) return {RestoreStep::Checking, ERROR_INVALID_NAME, backup.location};
    // Without the folder the path would name a file at the root of the drive.
    if (sendToFolder.empty()) return Failed(RestoreStep::Applying, ERROR_PATH_NOT_FOUND);
    std::string bytes;
    DWORD rc = backup.kind == BackupKind::File ? ReadWholeFile(backup.path, bytes) : ERROR_SUCCESS;
    if (rc != ERROR_SUCCESS) return Failed(RestoreStep::Reading, rc);
    rc = SaveSendToFile(BackupOperation::Restore, sendToFolder, backup.location);
    if (rc != ERROR_SUCCESS) return Failed(RestoreStep::BackingUp, rc);
    const std::wstring path = sendToFolder + L"\\" + backup.location;
    if (backup.kind == BackupKind::File) rc = PutInPlace(path, bytes);
    else if ((rc = DeleteSendToFile(path)) == ERROR_FILE_NOT_FOUND) rc = ERROR_SUCCESS;
    return rc == ERROR_SUCCESS ? RestoreResult() : Failed(RestoreStep::Applying, rc);
}
