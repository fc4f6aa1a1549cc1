#pragma once
// Message boxes of the editor: the text and the caption (text 5) come from
// the language file; they go through the framework's seam.
#include "common/PowerClass.h"
#include "common/Translation.h"

// OK button and no icon unless the type says otherwise; returns the button.
int ShowEditorMessage(const CTranslation& translation, HWND owner, const tstring& text,
                      UINT type = MB_OK);
int ShowEditorMessage(const CTranslation& translation, HWND owner, int textNumber,
                      UINT type = MB_OK);

// Tells the user that the change of the named entry did not happen and why:
// text 601 with the name, the system's reason, and for a registry change
// that was denied, text 602 (it needs administrator rights).
void ShowFailedChange(const CTranslation& translation, HWND owner, const tstring& entryName,
                      DWORD error, bool registry);
// ERROR_SUCCESS: true. Otherwise the user hears of the failed registry
// change (ShowFailedChange) and the result is false.
bool ReportedAsDone(const CTranslation& translation, HWND owner, const tstring& entryName,
                    const WriteResult& result, bool registry = true);
