#pragma once
// Numbers of the editor's language texts.
namespace texts {
enum : int {
    kCaption = 5,              // caption of every message box
    kColumnName = 15,
    kColumnCategory = 20,
    kScopeUser = 21,           // 21-23: the fourth column's cells, where the entry lives
    kScopeMachine = 22,
    kScopeMachineChangedForUser = 23,
    kColumnValue = 25,
    kColumnScope = 26,         // the fourth column's heading
    kSendToCategory = 27,
    kUnreadableLink = 28,      // value of a Send To file without a readable target
    kCountLine = 65,           // "%d" right click entries
    kEntriesGroup = 70,
    kRemoveButton = 75,
    kDeactivateButton = 80,
    kActivateButton = 85,
    kEditButton = 90,
    kAddButton = 95,           // also the menu item Add entry
    kNothingToEdit = 100,
    kNothingToToggle = 105,
    kNothingToRemove = 110,
    kNothingToExecute = 112,
    kCannotExecute = 113,
    kRemoveQuestion1 = 115,
    kRemoveQuestion2 = 120,
    kRemoved = 125,
    kCheckReport = 126,
    kCheckEnd = 127,           // after a run that reported, or a single check that did not
    kCheckEndClean = 128,      // after a run that found no problem
    kHandlerValueLabel = 175,
    kCommandLineLabel = 180,
    kFolderBrowserTitle = 185,
    kEntryAdded = 190,
    kEntryChanged = 195,

    // The main window's menu: titles and items.
    kFileMenu = 200,
    kLanguageItem = 215,
    kExitItem = 220,
    kFunctionsMenu = 222,
    kExecuteItem = 224,
    kCheckItem = 226,
    kHelpMenu = 250,
    kHelpFileItem = 255,
    kWebsiteItem = 260,
    kAboutItem = 265,

    // The add and edit dialog.
    kNormalGroup = 400,
    kTypeLabel = 405,
    kNameLabel = 410,
    kBrowseFileButton = 415,
    kSpecialGroup = 420,
    kAddParameterButton = 421,
    kRemoveParameterButton = 422,
    kCheckCommandButton = 423,
    kSpecialText = 425,
    kAddCopyToButton = 430,
    kAddMoveToButton = 435,
    kShortcutDescription = 436,
    kCancelButton = 440,
    kEntryIncomplete = 441,    // name, value or type missing
    kNameWithBackslash = 442,  // a registry entry's name may not nest keys
    kBadSendToName = 443,      // a Send To name must stay inside the folder
    kNoSendToFolder = 444,     // the Send To folder is not known
    kProgramLabel = 445,       // names the list of common programs (hidden label)

    kStartFailed = 600,        // Execute: the shell could not start the program
    kChangeFailed = 601,       // the entry "%s" could not be changed
    kNeedsAdministrator = 602, // a registry change was denied
    kNotText = 603,            // the value (of type %s) is no text

    // Backups and the restore dialog.
    kBackupFailed = 650,       // the change was not made: no backup in %s
    kRestoreItem = 651,
    kRestoreCaption = 652,
    kRestoreIntroduction = 653,  // "%s": the backup folder
    kTimeColumn = 654,
    kChangeColumn = 655,
    kEntryColumn = 656,
    kLocationColumn = 657,
    kRestoreButton = 658,
    kCloseButton = 659,
    kNothingChosen = 660,
    kRestoreQuestion = 661,    // "%s" the entry, "%s" the time
    kRestored = 662,
    kUnreadableMark = 663,     // the entry column of a backup whose lines cannot be read
    kUnreadableBackup = 664,   // "%s": the backup file
    kForeignKey = 665,         // "%s" the backup file, "%s" the key or file it would change
    kFirstOperation = 670,     // 670-677: Add, Edit, Remove, Deactivate, Activate, Copy To, Move To, Restore
    kHalfGroup = 680,          // the add dialog's choice of the half a new entry goes to
    kForMe = 681,
    kForAllUsers = 682,

    // A machine-wide entry without administrator rights.
    kRestartElevated = 690,    // question: restart with administrator rights?
    kAdministratorMustChange = 691,   // said to a user who is no administrator
    kRestartFailed = 692,      // the elevated start failed for another reason

    // Windows 11's classic context menu.
    kClassicMenuItem = 695,    // the Functions menu's item; also the entry its backups name
    kRestartExplorer = 696,    // question: restart the Explorer now, or at the next sign-in?
    kExplorerRestartFailed = 697,   // the Explorer could not be restarted

    // The fourth column's marks, after where the entry lives.
    kHiddenMark = 700,         // a shell verb hidden by "LegacyDisable"
    kNewMark = 701,            // appeared since the editor last closed
    kBackAgainMark = 702,      // removed or deactivated with the editor, and there again

    // The search above the list.
    kSearchLabel = 705,
    kFilteredCountLine = 706,  // "%d" rows shown of "%d"

    // 710-719: a handler's class and file. 720-729: what came back.
    kHandlerClassMissing = 710,    // the Check's report: the class is not registered
    kHandlerFileMissing = 711,     // the Check's report: the file is not there
    kHandlerFileLine = 712,        // the details line: "%s" the file
    kHandlerFileAboutLine = 713,   // "%s" the file, "%s" its description, company and version
    kHandlerVersion = 714,         // "%s" the version, one of those parts
    kHandlerFileMissingLine = 715, // "%s" the file
    kClassNotRegisteredLine = 716, // "%s" the class
    kNoHandlerFileLine = 717,      // "%s" the class, registered without InprocServer32

    // What came back: the Functions menu's item and its messages.
    kRemoveBackAgainItem = 720,
    kBackAgainQuestion = 721,  // "%d" entries are back again: take them out again?
    kNothingBackAgain = 722,
    kBackAgainDone = 723,      // "%d" of "%d" taken out again
    kRowMenuExecute = 724,     // the list's row menu: Execute, with a key of its own there
};
}

#include <vector>
// The main languages whose regional variants ("Dialects[...]" settings) the
// editor's texts fold onto, in the order they are tried.
inline const std::vector<int>& EditorDialects() {
    static const std::vector<int> dialects{1031, 1034, 1043, 1036};
    return dialects;
}
