#pragma once
// A change in the machine's half that this Verbsmith lacks the rights for is
// made in a Verbsmith that has them: an administrator whose token UAC
// filtered is offered one (the programs read no command line, so the user
// repeats the change there). Running as another account would edit that
// account's menu, Send To folder and backups: a standard user is only told.
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EditorHost.h"

enum class Handover {
    kNone,        // the change needs no other Verbsmith: make it here
    kStopped,     // told, declined, cancelled or failed: nothing changes
    kRestarted,   // the elevated Verbsmith started: this one makes way as its Exit would
};

[[nodiscard]] Handover HandOverToElevated(EditorHost& host, HWND owner, ClassesHalf half);
