#pragma once
// Entries that are not plain shell verbs: the shell's built-in Copy To and
// Move To handlers, and the shortcut files of the Send To folder.
#include "common/PowerClass.h"
#include "verbsmith/core/ClassesHalf.h"
#include "verbsmith/core/EditorHost.h"

// Registers the built-in handler of button 1001 (Copy To) or 1002 (Move To)
// in that half and tells the user (text 190, or why the system refused it).
// Other buttons do nothing.
void AddSpecialHandler(EditorHost& host, int button, ClassesHalf half);

// The file name a new Send To shortcut gets: Name as it stands when it ends
// in exactly ".lnk" or ".LNK", otherwise Name + ".lnk".
tstring SendToLinkName(const tstring& name);

// The three Send To file operations touch only a file directly inside the
// folder. A name that would leave it is refused with text 443, an unknown
// folder with text 444; then nothing is written or deleted and the result is
// false. A write or deletion the system refuses is reported (text 601 with
// its reason) and gives false too.
// True when Name is a file directly inside a known Send To folder; otherwise
// the user is told why (443, 444). Lets Remove refuse before it asks.
bool CanReachSendToFile(EditorHost& host, const tstring& name);
// New link Name(.lnk) -> Value with description text 436; overwrites a file
// of that name.
bool CreateSendToShortcut(EditorHost& host, const tstring& name, const tstring& value);
// The listed link Name with Value as its new target, saved as Name(.lnk):
// its arguments, working folder, icon and description stay, and the old
// file is replaced only once the new one is written.
bool ReplaceSendToShortcut(EditorHost& host, const tstring& name, const tstring& value);
// Deletes the file exactly as listed (extension included).
bool DeleteSendToShortcut(EditorHost& host, const tstring& name);
