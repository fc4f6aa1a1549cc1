#pragma once
// How the editor reports a change the system refused.
#include "common/PowerClass.h"
#include "verbsmith/core/EditorHost.h"

// Tells the user that the change of the named entry did not happen and why:
// text 601 with the name, the system's reason, and for a registry change
// that was denied, text 602 (it needs administrator rights).
void ShowFailedChange(EditorHost& host, const tstring& entryName, DWORD error, bool registry);
// ERROR_SUCCESS: true. Otherwise the user hears of the failed registry
// change (ShowFailedChange) and the result is false.
bool ReportedAsDone(EditorHost& host, const tstring& entryName, const WriteResult& result,
                    bool registry = true);
