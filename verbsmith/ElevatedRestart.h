#pragma once
// A change in the machine's half that this Verbsmith lacks the rights for is
// made in a Verbsmith that has them: an administrator whose token UAC
// filtered is offered one (the programs read no command line, so the user
// repeats the change there). Running as another account would edit that
// account's menu, Send To folder and backups: a standard user is only told.
#include "verbsmith/core/ClassesHalf.h"
#include "framework/Dialog.h"
#include "verbsmith/core/EditorHost.h"

enum class Handover {
    kNone,        // the change needs no other Verbsmith: make it here
    kStopped,     // told, declined, cancelled or failed: nothing changes
    kRestarted,   // the elevated Verbsmith started: this one makes way as its Exit would
};

[[nodiscard]] Handover HandOverToElevated(EditorHost& host, HWND owner, ClassesHalf half);

// The same for a modal dialog of the main window: on the restart the dialog
// ends and restarted says so, and the main window makes way. True when the
// change is not to be made here.
[[nodiscard]] bool DialogHandedToElevation(Dialog& dialog, EditorHost& host, ClassesHalf half,
                                           bool& restarted);
