#include "verbsmith/core/EntryCheck.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"

namespace {

// Handler class identifiers, texts without a command and texts without any
// path are left alone.
bool NeedsCheck(const tstring& text) {
    return !text.empty() && !BeginsWith(text, _T("{")) && !BeginsWith(text, _T("(")) &&
           text != PowerClass::kNoRegSz && text.find(_T('\\')) != tstring::npos;
}

}  // namespace

bool CheckCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                      const tstring& name) {
    if (!NeedsCheck(value) || NamesExistingPath(value))
        return false;
    const CommandLine read = ReadCommandLine(value);
    if (read.found || read.program.find(_T('\\')) == tstring::npos)
        return false;
    const tstring report = FormatText(
        _T("%s\n\n%s\n\n(%s)"), {translation.GetText(texts::kCheckReport), name, read.program});
    ShowEditorMessage(translation, owner, report);
    return true;
}

void CheckTypedCommandLine(const CTranslation& translation, HWND owner, const tstring& value,
                           const tstring& name) {
    if (!CheckCommandLine(translation, owner, value, name))
        ShowEditorMessage(translation, owner, texts::kCheckEnd);
}

void CheckAllEntries(HWND owner, const std::vector<EntryRow>& rows) {
    CTranslation translation(EditorDialects());
    translation.Load();
    if (rows.empty()) {
        ShowEditorMessage(translation, owner, texts::kCheckEndClean);
        return;
    }
    bool reported = false;
    for (const EntryRow& row : rows)
        reported = CheckCommandLine(translation, owner, row.value, row.name) || reported;
    ShowEditorMessage(translation, owner, reported ? texts::kCheckEnd : texts::kCheckEndClean);
}
