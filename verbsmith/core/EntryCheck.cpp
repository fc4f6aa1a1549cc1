#include "verbsmith/core/EntryCheck.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/HandlerDetails.h"

namespace {

// Handler class identifiers, texts without a command and texts without any
// path ("No REG_SZ" among them) are left alone.
bool NeedsCheck(const tstring& text) {
    return !text.empty() && !BeginsWith(text, _T("{")) && !BeginsWith(text, _T("(")) &&
           text.find(_T('\\')) != tstring::npos;
}

// The report's form, for a missing program, class or file alike: what is
// wrong, the entry's name, then the missing thing in brackets.
void Report(EditorHost& host, int text, const tstring& name, const tstring& missing) {
    host.Tell(FormatText(_T("%s\n\n%s\n\n(%s)"), {host.Text(text), name, missing}));
}

// A deactivated handler is not loaded, so what it names is not checked. A
// class served without InprocServer32 (a local server, a delegate) names no
// file that could be missing.
bool CheckHandler(EditorHost& host, const EntryRow& row) {
    if (IsDeactivatedHandlerValue(row.value))
        return false;
    const std::optional<HandlerDetails> handler = LocateHandler(row);
    if (!handler)
        return false;
    if (!handler->classRegistered) {
        Report(host, texts::kHandlerClassMissing, row.name, handler->classId);
        return true;
    }
    if (handler->file.empty() || handler->fileFound)
        return false;
    Report(host, texts::kHandlerFileMissing, row.name, handler->file);
    return true;
}

bool CheckEntry(EditorHost& host, const EntryRow& row) {
    return CheckHandler(host, row) || CheckCommandLine(host, row.value, row.name);
}

}  // namespace

bool CheckCommandLine(EditorHost& host, const tstring& value, const tstring& name) {
    if (!NeedsCheck(value) || NamesExistingPath(value))
        return false;
    const CommandLine read = ReadCommandLine(value);
    if (read.found || read.program.find(_T('\\')) == tstring::npos)
        return false;
    Report(host, texts::kCheckReport, name, read.program);
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
        reported = CheckEntry(host, row) || reported;
    host.Tell(reported ? texts::kCheckEnd : texts::kCheckEndClean);
}
