#include "verbsmith/core/EntryMarks.h"
#include "verbsmith/core/EntryModel.h"
#include <unordered_map>

namespace {

bool IsActive(const EntryRow& row) {
    switch (row.kind) {
    case EntryKind::kHandler:
        return !IsDeactivatedHandlerValue(row.value);
    case EntryKind::kShell:
        return !row.hidden;
    case EntryKind::kSendTo:
        break;
    }
    return true;
}

// The operation of each entry's newest backup, by identity. Adding,
// activating, editing or restoring after a removal leaves the entry to the
// user: only a removal or deactivation that was the last word counts.
std::unordered_map<tstring, BackupOperation> LastChanges(const std::vector<Backup>& backups) {
    std::unordered_map<tstring, BackupOperation> last;
    for (const Backup& backup : backups) {
        const tstring identity = EntryIdentity(backup);
        if (!identity.empty())
            last.emplace(identity, backup.operation);   // the first is the newest
    }
    return last;
}

bool TookItAway(BackupOperation operation) {
    return operation == BackupOperation::Remove || operation == BackupOperation::Deactivate;
}

}  // namespace

EntryMarks::EntryMarks(const EntryList& rows, const std::optional<EntrySet>& remembered) {
    if (!remembered)
        return;
    for (const EntryRow& row : rows) {
        const tstring identity = EntryIdentity(row);
        if (!identity.empty() && !remembered->count(identity))
            new_.insert(identity);
    }
}

void EntryMarks::Apply(EntryList& rows, const std::vector<Backup>& backups) const {
    const std::unordered_map<tstring, BackupOperation> last = LastChanges(backups);
    for (EntryRow& row : rows) {
        const auto change = last.find(EntryIdentity(row, HalfOf(row.scope)));
        if (change != last.end() && TookItAway(change->second) && IsActive(row))
            row.mark = EntryMark::kBackAgain;
        else
            row.mark = new_.count(EntryIdentity(row)) ? EntryMark::kNew : EntryMark::kNone;
    }
}
