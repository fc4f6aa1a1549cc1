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

// What the fourth column says of an entry beyond where it lives, until the
// window closes: it appeared since the editor last closed, or it is there
// and active again after the user removed or deactivated it.
enum class EntryMark { kNone, kNew, kBackAgain };

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
    bool hidden = false;   // a shell verb with "LegacyDisable": kept, but not in the menu
    EntryMark mark = EntryMark::kNone;
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
// The fourth column's cell: where the row lives, then "hidden" for a hidden
// verb and its mark, each after a comma.
[[nodiscard]] tstring FourthColumn(const CTranslation& translation, const EntryRow& row);
// The count line below the list: text 65 with the row count for its "%d";
// while a search shows only some rows, text 706 with the rows shown and all.
tstring CountLine(const CTranslation& translation, size_t rowCount);
tstring CountLine(const CTranslation& translation, size_t shownRows, size_t rowCount);
