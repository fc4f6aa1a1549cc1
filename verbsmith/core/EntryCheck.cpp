#include "verbsmith/core/EntryCheck.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"

namespace {

// Handler class identifiers, bare program names (found along the search
// path, not here) and texts without a command are left alone.
bool NeedsCheck(const tstring& text) {
    return !text.empty() && !BeginsWith(text, _T("{")) && !BeginsWith(text, _T("(")) &&
           text != PowerClass::kNoRegSz && text.find(_T('\\')) != tstring::npos;
}

}  // namespace

tstring CheckedCommandText(const tstring& value) {
    return WithoutAll(WithoutAll(WithoutAll(value, _T(" %1")), _T(" %2")), _T(" %3"));
}

bool CheckCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                      const tstring& name) {
    // The whole remaining text is one path: quotes and other arguments are
    // part of it.
    const tstring text = CheckedCommandText(value);
    if (!NeedsCheck(text) || PowerClass::FileExists(text))
        return false;
    const tstring report = FormatText(_T("%s\n\n%s\n\n(%s)"),
                                      {translation.GetText(texts::kCheckReport), name, text});
    ShowEditorMessage(translation, owner, report);
    return true;
}

void CheckTypedCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                           const tstring& name) {
    if (!CheckCommandLine(translation, owner, value, name))
        ShowEditorMessage(translation, owner, texts::kCheckEnd);
}

void CheckAllEntries(const std::vector<EntryRow>& rows) {
    CTranslation translation(EditorDialects());
    translation.Load();
    if (rows.empty()) {
        ShowEditorMessage(translation, nullptr, texts::kCheckEndClean);
        return;
    }
    bool reported = false;
    for (const EntryRow& row : rows)
        reported = CheckCommandLine(translation, nullptr, row.value, row.name) || reported;
    ShowEditorMessage(translation, nullptr,
                      reported ? texts::kCheckEnd : texts::kCheckEndClean);
}
