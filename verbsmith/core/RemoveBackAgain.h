#pragma once
// The Functions menu's command for what came back: the rows marked back
// again (EntryMarks.h) are taken out of the menu again, each the way its
// kind allows and each backed up like every change.
#include "verbsmith/core/EditorHost.h"
#include "verbsmith/core/EntryScan.h"

// Tells that nothing is back again (text 722), or asks once how many are
// (721, Yes/No) and then removes each verb and Send To file and deactivates
// each handler, which cannot be removed. A machine's verb without
// administrator rights is hidden for the user instead, as Deactivate hides
// it, so that it leaves the user's menu without a change Windows would
// refuse. A refused change is told and the others go on; one message ends
// it all (723: how many of how many). True when the user said Yes: the list
// may have changed and needs a refresh.
[[nodiscard]] bool RemoveBackAgain(EditorHost& host, const EntryList& rows);
