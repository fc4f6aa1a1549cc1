#include "verbsmith/core/EditorMessages.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "verbsmith/core/EditorTexts.h"

void ShowFailedChange(EditorHost& host, const tstring& entryName, DWORD error, bool registry) {
    tstring text = FailureText(FormatText(host.Text(texts::kChangeFailed), {entryName}), error);
    if (registry && error == ERROR_ACCESS_DENIED)
        text += _T("\n\n") + host.Text(texts::kNeedsAdministrator);
    host.Tell(text);
}

bool ReportedAsDone(EditorHost& host, const tstring& entryName, const WriteResult& result,
                    bool registry) {
    if (result)
        return true;
    ShowFailedChange(host, entryName, result.error, registry);
    return false;
}
