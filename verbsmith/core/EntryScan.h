#pragma once
// Builds the entry list from the registry locations and the Send To folder.
// The scan knows nothing of the list view: it produces the rows in scan
// order, and the key paths parallel to them, for the main window to show.
#include "common/PowerClass.h"
#include "common/Translation.h"
#include <vector>

// One row of the entry list: column 0, 1 and 2 and the row image.
struct EntryRow {
    tstring name;
    tstring category;
    tstring value;
    int iconIndex = 0;
};

// rows[i] and entryKeyPaths[i] always describe the same entry.
struct EntryList {
    std::vector<EntryRow> rows;
    tstrings entryKeyPaths;
};

// Appends the entries of one location. The location text "SendTo" is the
// Send To folder, listed with text 27 and image 7 whatever category and
// icon are given.
void ScanLocation(PowerClass& power, const CTranslation& translation, const tstring& location,
                  const tstring& category, int iconIndex, EntryList& list);
// All 17 locations in their fixed order, from an empty list.
EntryList ScanEntryList(PowerClass& power, const CTranslation& translation);
// The count line below the list: text 65 with the row count for its "%d".
tstring CountLine(const CTranslation& translation, size_t rowCount);
