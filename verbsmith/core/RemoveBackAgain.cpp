#include "verbsmith/core/RemoveBackAgain.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryOperations.h"

namespace {

bool TakeOutAgain(EditorHost& host, const EntryRow& row) {
    const bool deactivate = row.kind == EntryKind::kHandler ||
                            (row.kind == EntryKind::kShell && NeedsRights(HalfOf(row.scope)));
    if (deactivate)
        return ToggleActivation(host, row).has_value();
    return RemoveUnasked(host, row);
}

}  // namespace

bool RemoveBackAgain(EditorHost& host, const EntryList& rows) {
    std::vector<const EntryRow*> back;
    for (const EntryRow& row : rows)
        if (row.mark == EntryMark::kBackAgain)
            back.push_back(&row);
    if (back.empty()) {
        host.Tell(texts::kNothingBackAgain);
        return false;
    }
    const auto count = static_cast<unsigned long long>(back.size());
    if (!host.Ask(FormatText(host.Text(texts::kBackAgainQuestion), {count})))
        return false;
    unsigned long long done = 0;
    for (const EntryRow* row : back)
        done += TakeOutAgain(host, *row) ? 1 : 0;
    host.Tell(FormatText(host.Text(texts::kBackAgainDone), {done, count}));
    return true;
}
