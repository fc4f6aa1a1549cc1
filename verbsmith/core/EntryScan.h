#pragma once
// Builds the entry list from the registry locations and the Send To folder.
// The scan knows nothing of the list view: it produces the rows in scan
// order, each with what the operations need to know of it, for the main
// window to keep and show.
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "verbsmith/core/MergedClasses.h"
#include <vector>

enum class EntryKind { kShell, kHandler, kSendTo };

// One row of the entry list: column 0, 1 and 2, the row image, and what the
// row is and where it lives, so that no operation has to tell it from its
// translated texts.
struct EntryRow {
    tstring name;
    tstring category;
    tstring value;
    int iconIndex = 0;
    tstring keyPath;   // below HKEY_CLASSES_ROOT; "Send To" for a Send To file
    EntryKind kind = EntryKind::kShell;
    EntryScope scope = EntryScope::kMachine;   // the list's fourth column
    bool unreadableLink = false;   // a Send To file without a readable target
};

using EntryList = std::vector<EntryRow>;

// Appends the entries of one location. The location text "SendTo" is the
// Send To folder, listed with text 27 and image 7 whatever category and
// icon are given.
void ScanLocation(PowerClass& power, const CTranslation& translation, const tstring& location,
                  const tstring& category, int iconIndex, EntryList& list);
// All 17 locations in their fixed order, from an empty list.
EntryList ScanEntryList(PowerClass& power, const CTranslation& translation);
// The text number of the fourth column's cell for a row of that scope.
[[nodiscard]] int ScopeText(EntryScope scope);
// The count line below the list: text 65 with the row count for its "%d".
tstring CountLine(const CTranslation& translation, size_t rowCount);
