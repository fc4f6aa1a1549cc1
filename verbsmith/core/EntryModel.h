#pragma once
// What a context-menu entry is and where entries live: the fixed tables of
// locations, entry types, program choices and built-in handlers, and the value
// texts that carry a meaning of their own.
#include "framework/TString.h"
#include <cstddef>

// One place the editor lists entries from: a key below HKEY_CLASSES_ROOT, or
// the Send To folder (location text "SendTo").
struct Location {
    const TCHAR* path;
    int categoryText;
    int iconIndex;
};
constexpr size_t kLocationCount = 17;
extern const Location LocationTable[kLocationCount];

extern const TCHAR kSendToLocation[];   // "SendTo": the LocationTable row of the folder
extern const TCHAR kSendToMarker[];     // "Send To": entryKeyPaths element of a Send To row
constexpr int kSendToIcon = 7;

// A location whose text contains "shellex" holds handlers; every other
// registry location holds shell verbs.
bool IsHandlerLocation(const tstring& location);
// The registry path a listed entry's value lives at: location\name for a
// handler, location\name\command for a shell verb.
tstring EntryKeyPath(const tstring& location, const tstring& name);
// The registry location whose entry of that name has exactly this key path;
// nullptr when the path names nothing the editor lists (or the name would
// reach below one key level).
const Location* LocationOfEntry(const tstring& keyPath, const tstring& name);

// Entry types of the add and edit dialog: type index -> write location.
struct EntryType {
    int text;
    const TCHAR* writeLocation;   // nullptr: placeholder (0) and Send To (8)
};
constexpr int kEntryTypeCount = 9;
constexpr int kSendToType = 8;
extern const EntryType EntryTypes[kEntryTypeCount];
// The "\shell" location a new entry of type 1-7 is written below; empty for
// every other index.
tstring TypeWriteLocation(int typeIndex);

// The common system programs of the add dialog's program list.
struct ProgramChoice {
    int text;
    const TCHAR* value;   // index 0: empty, clears the value
};
constexpr size_t kProgramChoiceCount = 23;
extern const ProgramChoice ProgramChoices[kProgramChoiceCount];

// The shell's own copy-to-folder and move-to-folder handlers.
struct SpecialHandler {
    int button;
    const TCHAR* key;
    const TCHAR* classId;
};
constexpr size_t kSpecialHandlerCount = 2;
extern const SpecialHandler SpecialHandlers[kSpecialHandlerCount];

// The text with every occurrence of part removed, in one pass from the left.
tstring WithoutAll(tstring text, const tstring& part);

// Value texts with a fixed meaning.
bool BeginsWith(const tstring& text, const tstring& prefix);
bool IsActiveHandlerValue(const tstring& value);        // "{..."
bool IsDeactivatedHandlerValue(const tstring& value);   // "-{..."
// A handler is deactivated by a "-" before its "{" and activated again by
// dropping the first character. Only handler values are toggled: anything
// else comes back unchanged.
tstring ToggledHandlerValue(const tstring& value);
