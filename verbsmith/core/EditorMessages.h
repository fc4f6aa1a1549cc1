#pragma once
// Message boxes of the editor: the text and the caption (text 5) come from
// the language file; they go through the framework's seam.
#include "common/Translation.h"

// OK button and no icon unless the type says otherwise; returns the button.
int ShowEditorMessage(const CTranslation& translation, HWND owner, const tstring& text,
                      UINT type = MB_OK);
int ShowEditorMessage(const CTranslation& translation, HWND owner, int textNumber,
                      UINT type = MB_OK);
