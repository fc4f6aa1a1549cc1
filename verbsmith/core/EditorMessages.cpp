#include "verbsmith/core/EditorMessages.h"
#include "framework/UiSeam.h"
#include "verbsmith/core/EditorTexts.h"

int ShowEditorMessage(const CTranslation& translation, HWND owner, const tstring& text,
                      UINT type) {
    return Ui().ShowMessage(owner, text, translation.GetText(texts::kCaption), type);
}

int ShowEditorMessage(const CTranslation& translation, HWND owner, int textNumber,
                      UINT type) {
    return ShowEditorMessage(translation, owner, translation.GetText(textNumber), type);
}
