#pragma once
// The marks of the list's rows while the window is open: "new" for an entry
// that appeared since the editor last closed, "back again" for one that the
// user removed or deactivated with the editor and that is there and active
// again (a program's update, typically, that put it back).
#include "verbsmith/core/EntryIdentity.h"
#include <optional>
#include <vector>

class EntryMarks {
public:
    // Once, at start, from the first scan and what was remembered (nothing
    // on the first start, which makes nothing new): an entry whose identity
    // was not remembered is new until the window closes (a changed command
    // line makes nothing new); one added while the window is open is not.
    EntryMarks(const EntryList& rows, const std::optional<EntrySet>& remembered);
    // After every scan: each row's mark. A row is back again when its newest
    // backup (backups newest first, as BackupStore::List gives them) in the
    // half the editor changes it in (HalfOf its scope) records its removal or
    // deactivation, and it is active now: a handler not deactivated, a verb
    // not hidden, a Send To file. That wins over new.
    void Apply(EntryList& rows, const std::vector<Backup>& backups) const;

private:
    EntrySet new_;
};
