#include "verbsmith/core/EntryIdentity.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/KeyNames.h"

namespace {

// location: the location text's first size characters.
tstring Identity(ClassesHalf half, const TCHAR* location, size_t size, const tstring& name) {
    tstring identity;
    identity.reserve(size + name.size() + 2);
    identity.append(1, half == ClassesHalf::kUser ? _T('U') : _T('M')).append(location, size);
    identity.append(1, _T('\\')).append(name);
    CharUpperBuff(&identity[0], static_cast<DWORD>(identity.size()));
    return identity;
}

tstring Identity(ClassesHalf half, const TCHAR* location, const tstring& name) {
    return Identity(half, location, _tcslen(location), name);
}

// The size of the location at the start of a row's key path, as the scan
// makes it: the path without "\<name>", and without "\command" after it for
// a verb; 0 for any other path. Every row of a long list passes here at each
// refresh, so it takes the path apart rather than trying each location.
size_t LocationSize(const EntryRow& row) {
    static const tstring command = _T("\\command");
    const tstring& path = row.keyPath;
    size_t end = path.size();
    if (row.kind == EntryKind::kShell) {
        if (end < command.size() || path.compare(end - command.size(), command.size(), command) != 0)
            return 0;
        end -= command.size();
    }
    if (row.name.empty() || end <= row.name.size() + 1 ||
        path.compare(end - row.name.size(), row.name.size(), row.name) != 0)
        return 0;
    end -= row.name.size() + 1;
    return path[end] == _T('\\') ? end : 0;
}

// The entry below a listed location of that half that the key is, or lies in.
tstring KeyIdentity(const tstring& keyName, ClassesHalf half) {
    for (const Location& location : LocationTable) {
        if (location.path == tstring(kSendToLocation))
            continue;
        const tstring root = HalfKeyName(half, location.path);
        if (keyName.size() <= root.size() + 1 || !KeyLiesAtOrBelow(keyName, root))
            continue;
        const tstring below = keyName.substr(root.size() + 1);
        return Identity(half, location.path, below.substr(0, below.find(_T('\\'))));
    }
    return {};
}

}  // namespace

tstring EntryIdentity(const EntryRow& row, ClassesHalf half) {
    if (row.kind == EntryKind::kSendTo)
        return Identity(ClassesHalf::kUser, kSendToLocation, row.name);
    const size_t size = LocationSize(row);
    return size == 0 ? tstring() : Identity(half, row.keyPath.c_str(), size, row.name);
}

tstring EntryIdentity(const EntryRow& row) {
    return EntryIdentity(row, row.scope == EntryScope::kUser ? ClassesHalf::kUser : ClassesHalf::kMachine);
}

tstring EntryIdentity(const Backup& backup) {
    if (backup.kind != BackupKind::Key)
        return Identity(ClassesHalf::kUser, kSendToLocation, backup.location);
    if (backup.readError != ERROR_SUCCESS)
        return {};
    const tstring user = KeyIdentity(backup.location, ClassesHalf::kUser);
    return user.empty() ? KeyIdentity(backup.location, ClassesHalf::kMachine) : user;
}
