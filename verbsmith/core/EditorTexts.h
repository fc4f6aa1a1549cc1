#pragma once
// Numbers of the language texts that the editor's entry operations show.
namespace texts {
enum : int {
    kCaption = 5,              // caption of every message box
    kColumnName = 15,
    kColumnCategory = 20,
    kColumnValue = 25,
    kSendToCategory = 27,
    kUnreadableLink = 28,      // value of a Send To file without a readable target
    kCountLine = 65,           // "%d" right click entries
    kDeactivateButton = 80,
    kActivateButton = 85,
    kCannotExecute = 113,
    kRemoveQuestion1 = 115,
    kRemoveQuestion2 = 120,
    kRemoved = 125,
    kCheckReport = 126,
    kCheckEnd = 127,           // after a run that reported, or a single check that did not
    kCheckEndClean = 128,      // after a run that found no problem
    kEntryAdded = 190,
    kEntryChanged = 195,
    kShortcutDescription = 436,
    kEntryIncomplete = 441,    // name, value or type missing
    kNameWithBackslash = 442,  // a registry entry's name may not nest keys
    kBadSendToName = 443,      // a Send To name must stay inside the folder
    kNoSendToFolder = 444,     // the Send To folder is not known
    kStartFailed = 600,        // Execute: the shell could not start the program
    kChangeFailed = 601,       // the entry "%s" could not be changed
    kNeedsAdministrator = 602, // a registry change was denied
    kNotText = 603,            // the value (of type %s) is no text
    kBackupFailed = 650,       // the change was not made: no backup in %s
};
}

#include <vector>
// The main languages whose regional variants ("Dialects[...]" settings) the
// editor's texts fold onto, in the order they are tried.
inline const std::vector<int>& EditorDialects() {
    static const std::vector<int> dialects{1031, 1034, 1043, 1036};
    return dialects;
}
