#include "verbsmith/core/EntryCheck.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"

namespace {

// Handler class identifiers, texts without a command and texts without any
// path ("No REG_SZ" among them) are left alone.
bool NeedsCheck(const tstring& text) {
    return !text.empty() && !BeginsWith(text, _T("{")) && !BeginsWith(text, _T("(")) &&
           text.find(_T('\\')) != tstring::npos;
}

}  // namespace

bool CheckCommandLine(EditorHost& host, const tstring& value, const tstring& name) {
    if (!NeedsCheck(value) || NamesExistingPath(value))
        return false;
    const CommandLine read = ReadCommandLine(value);
    if (read.found || read.program.find(_T('\\')) == tstring::npos)
        return false;
    host.Tell(FormatText(_T("%s\n\n%s\n\n(%s)"), {host.Text(texts::kCheckReport), name, read.program}));
    return true;
}

void CheckTypedCommandLine(EditorHost& host, const tstring& value, const tstring& name) {
    if (!CheckCommandLine(host, value, name))
        host.Tell(texts::kCheckEnd);
}

void CheckAllEntries(EditorHost& host, const std::vector<EntryRow>& rows) {
    if (rows.empty()) {
        host.Tell(texts::kCheckEndClean);
        return;
    }
    bool reported = false;
    for (const EntryRow& row : rows)
        reported = CheckCommandLine(host, row.value, row.name) || reported;
    host.Tell(reported ? texts::kCheckEnd : texts::kCheckEndClean);
}
