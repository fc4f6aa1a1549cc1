#include "verbsmith/core/EditorMessages.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
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

void ShowFailedChange(const CTranslation& translation, HWND owner, const tstring& entryName,
                      DWORD error, bool registry) {
    tstring text = FailureText(FormatText(translation.GetText(texts::kChangeFailed), {entryName}),
                               error);
    if (registry && error == ERROR_ACCESS_DENIED)
        text += _T("\n\n") + translation.GetText(texts::kNeedsAdministrator);
    ShowEditorMessage(translation, owner, text);
}

bool ReportedAsDone(const CTranslation& translation, HWND owner, const tstring& entryName,
                    const WriteResult& result, bool registry) {
    if (result)
        return true;
    ShowFailedChange(translation, owner, entryName, result.error, registry);
    return false;
}
