#pragma once
// The main window's operations on one listed entry. The window hands over
// the selected row as the scan made it, calls one of these and refreshes or
// updates the row as each says.
#include "common/PowerClass.h"
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EditorHost.h"
#include "verbsmith/core/EntryScan.h"
#include <optional>

// What the selected row allows: the rules the buttons follow after a click,
// and the ones every command checks again for the row it acts on.
struct RowCommands {
    bool toggle;   // an active or deactivated handler, or a shell verb
    bool remove;   // anything but a handler or a Send To file without a target
    bool edit;     // anything but a Send To file without a target
};
RowCommands CommandsFor(const EntryRow& entry);

// Every change below tells the user when the system refused it (text 601
// with the entry's name and the system's reason; 602 when access to the
// registry was denied) and then never shows its success text. A change of a
// listed entry acts on the half it lives in (HalfOf its scope).

enum class RemoveResult {
    Removed,    // deleted and told (text 125): refresh the list
    Declined,   // the user answered the question with No: give the list the focus
    Refused,    // the row names nothing that may be deleted; nothing changed
    Failed,     // the system refused the deletion, the user was told: refresh the list
};

// Asks (texts 115 and 120, Yes/No), then deletes what the row names: the Send
// To file of a Send To row, the verb key of a shell entry with
// everything below it, or the key of a handler. A key path that is not the
// row's own path below one of the listed locations deletes nothing; a Send To
// name outside the folder, or an unknown folder, is refused (443, 444)
// before the question.
RemoveResult RemoveEntry(EditorHost& host, const EntryRow& entry);
// The same deletion without the question and without its success text, for
// a command that asked once for many rows; true when the entry was deleted.
[[nodiscard]] bool RemoveUnasked(EditorHost& host, const EntryRow& entry);

// Deactivates an active handler ("{" -> "-{") or activates a deactivated one
// by rewriting its key's default value, and hides a shell verb or offers it
// again (verbsmith/core/HiddenVerbs.h); returns the row as it is now (the
// button then shows ActivationButtonText of it). Without administrator
// rights a machine-wide handler or verb is deactivated for the user alone: a
// copy of its key in the user's half holds the deactivated value, or only
// "LegacyDisable", which wins in the merged view. Activating a handler whose
// user's key is such a copy and nothing more removes the copy when the
// machine's value is the active one. Rows that are neither, and a write the
// system refused, come back empty.
std::optional<EntryRow> ToggleActivation(EditorHost& host, const EntryRow& entry);
// Text 85 (activate) for a deactivated handler or a hidden verb, text 80
// (deactivate) otherwise.
[[nodiscard]] int ActivationButtonText(const EntryRow& entry);

// What Execute starts with the shell's "open" verb: the program the value
// names (verbsmith/core/CommandLineReader.h) as the file, its arguments
// without the shell's placeholders as the parameters. None for a value that,
// with every " %1" removed, begins with "{" or "(", is empty or is
// "No REG_SZ", and none when the value names no program.
std::optional<ShellStart> ExecutableCommand(const tstring& value);
// Starts the entry's program, tells the user that the entry cannot run
// (text 113), or tells why the start failed (text 600, the file and the
// system's reason).
void ExecuteEntry(EditorHost& host, const tstring& value);

// The value an edit starts from, as the registry or the link holds it.
struct EditableValue {
    tstring text;
    DWORD type = REG_SZ;   // REG_SZ or REG_EXPAND_SZ, kept when written back
    ClassesHalf half = ClassesHalf::kMachine;   // where the edit writes: HalfOf the row's scope
};
// Reads the row's value afresh as the merged view shows it (the list shows
// "No REG_SZ" for other types); a value that is not text (REG_DWORD,
// REG_BINARY, REG_MULTI_SZ, ...) is refused with text 603 and comes back empty.
std::optional<EditableValue> ReadEditableValue(EditorHost& host, const EntryRow& entry);

// What the add and edit dialog's OK writes.
struct EntryDraft {
    bool addMode = true;
    int typeIndex = 0;      // selection of the type combo (-1: none)
    tstring name;
    tstring value;
    tstring entryKeyPath;   // edit mode: the row's key path
    EditableValue original; // edit mode: what the value was when the dialog opened
    ClassesHalf half = ClassesHalf::kMachine;   // add: the chosen half; edit: original.half
};
// The whole of OK: refuses a missing name, value or type (text 441), a
// registry name with a backslash (text 442) and a bad Send To name (443, 444)
// without writing anything; an edit that changes nothing writes nothing and
// closes silently; otherwise writes the entry, tells the user (190 added, 195
// changed) and returns true: the dialog closes as confirmed. False keeps the
// dialog open.
bool SaveEntry(EditorHost& host, const EntryDraft& draft);
