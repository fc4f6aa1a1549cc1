#pragma once
// The main window's operations on one listed entry. The window hands over
// the selected row as the scan made it, calls one of these and refreshes or
// updates the row as each says.
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "verbsmith/core/EntryScan.h"
#include <optional>

enum class RemoveResult {
    Removed,    // deleted and told (text 125): refresh the list
    Declined,   // the user answered the question with No: give the list the focus
    Refused,    // the row names nothing that may be deleted; nothing changed
};

// Asks (texts 115 and 120, Yes/No), then deletes what the row names: the Send
// To file of a Send To row, the verb key of a shell entry with
// everything below it, or the key of a handler. A key path that is not the
// row's own path below one of the listed locations deletes nothing; a Send To
// name outside the folder, or an unknown folder, is refused (443, 444)
// before the question.
RemoveResult RemoveEntry(PowerClass& power, const CTranslation& translation, HWND owner,
                         const EntryRow& entry);

// Deactivates an active handler ("{" -> "-{") or activates a deactivated one
// by rewriting its key's default value; returns the new value for column 2
// (the button then shows ActivationButtonText of it). Rows that are no
// handler come back empty and nothing is written.
std::optional<tstring> ToggleActivation(PowerClass& power, const EntryRow& entry);
// Text 85 (activate) for a deactivated value, text 80 (deactivate) otherwise.
int ActivationButtonText(const tstring& value);

// The command line Execute starts: the value with every " %1" removed; none
// for a value that begins with "{" or "(", is empty, or is "No REG_SZ".
std::optional<tstring> ExecutableCommand(const tstring& value);
// Starts the command line with the shell's "open" verb, or tells the user
// that the entry cannot run (text 113).
void ExecuteEntry(const CTranslation& translation, HWND owner, const tstring& value);

// What the add and edit dialog's OK writes.
struct EntryDraft {
    bool addMode = true;
    int typeIndex = 0;      // selection of the type combo (-1: none)
    tstring name;
    tstring value;
    tstring entryKeyPath;   // edit mode: the row's key path
};
// The whole of OK: refuses a missing name, value or type (text 441), a
// registry name with a backslash (text 442) and a bad Send To name (443, 444)
// without writing anything; otherwise writes the entry, tells the user (190
// added, 195 changed) and returns true: the dialog closes as confirmed.
bool SaveEntry(PowerClass& power, const CTranslation& translation, HWND owner,
               const EntryDraft& draft);
