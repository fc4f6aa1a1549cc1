#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/ProgramLookup.h"
#include <vector>

namespace {

const TCHAR kBlanks[] = _T(" \t");

bool IsBlank(TCHAR c) { return c == _T(' ') || c == _T('\t'); }

tstring TrimmedLeft(const tstring& text) {
    const size_t start = text.find_first_not_of(kBlanks);
    return start == tstring::npos ? tstring() : text.substr(start);
}

bool MatchesNoCaseAt(const tstring& text, size_t at, const tstring& part) {
    return text.size() - at >= part.size() &&
           _tcsnicmp(text.c_str() + at, part.c_str(), part.size()) == 0;
}

bool BeginsWithNoCase(const tstring& text, const tstring& prefix) {
    return MatchesNoCaseAt(text, 0, prefix);
}

bool EndsWithNoCase(const tstring& text, const tstring& suffix) {
    return text.size() >= suffix.size() &&
           _tcsicmp(text.c_str() + text.size() - suffix.size(), suffix.c_str()) == 0;
}

// Variable names compare without regard to case, as the system compares them.
tstring WithVariableRenamed(tstring text, const tstring& from, const tstring& to) {
    for (size_t at = 0; at < text.size(); ++at)
        if (MatchesNoCaseAt(text, at, from))
            text.replace(at, from.size(), to);
    return text;
}

bool HasVariable(const TCHAR* name) { return GetEnvironmentVariable(name, nullptr, 0) > 0; }

// A 32-bit process sees the 32-bit folders under the usual names; the
// Explorer that runs the command sees the 64-bit ones.
tstring WithNativeProgramFolders(tstring text) {
    if (!Lookup().RunsUnderWow64())
        return text;
    if (HasVariable(_T("ProgramW6432")))
        text = WithVariableRenamed(text, _T("%ProgramFiles%"), _T("%ProgramW6432%"));
    if (HasVariable(_T("CommonProgramW6432")))
        text = WithVariableRenamed(text, _T("%CommonProgramFiles%"), _T("%CommonProgramW6432%"));
    return text;
}

tstring Expanded(const tstring& text) {
    const tstring native = WithNativeProgramFolders(text);
    const DWORD size = ExpandEnvironmentStrings(native.c_str(), nullptr, 0);
    if (size == 0)
        return native;
    tstring expanded(size, _T('\0'));
    const DWORD written = ExpandEnvironmentStrings(native.c_str(), &expanded[0], size);
    if (written == 0 || written > size)
        return native;
    expanded.resize(written - 1);
    return expanded;
}

tstring SystemFolder(UINT (WINAPI* query)(LPTSTR, UINT)) {
    TCHAR folder[MAX_PATH] = {};
    const UINT length = query(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? tstring(folder, length) : tstring();
}

// Where this process finds a path: a 32-bit process on 64-bit Windows is
// shown the 32-bit system folder under the name System32.
tstring LookupLocation(const tstring& path) {
    if (!Lookup().RunsUnderWow64())
        return path;
    const tstring system = SystemFolder(GetSystemDirectory) + _T("\\");
    if (system.size() == 1 || !BeginsWithNoCase(path, system))
        return path;
    return SystemFolder(GetSystemWindowsDirectory) + _T("\\Sysnative\\") +
           path.substr(system.size());
}

bool HasExtension(const tstring& path) {
    const size_t name = path.find_last_of(_T("\\/"));
    return path.find(_T('.'), name == tstring::npos ? 0 : name + 1) != tstring::npos;
}

bool IsProgramName(const tstring& path) {
    for (const TCHAR* extension : {_T(".exe"), _T(".com"), _T(".bat"), _T(".cmd")})
        if (EndsWithNoCase(path, extension))
            return true;
    return false;
}

bool IsPlaceholder(tstring word) {
    if (word.size() == 4 && word.front() == _T('"') && word.back() == _T('"'))
        word = word.substr(1, 2);
    return word.size() == 2 && word[0] == _T('%') &&
           tstring(_T("0123456789*LlIiDdSsHhVvWw")).find(word[1]) != tstring::npos;
}

CommandLine Unresolved(const tstring& program, const tstring& rest) {
    CommandLine read;
    read.program = program;
    read.location = LookupLocation(program);
    read.arguments = TrimmedLeft(rest);
    return read;
}

// The program as CreateProcess tries it: ".exe" added to a name without an
// extension.
CommandLine Resolved(const tstring& program, const tstring& rest) {
    const tstring candidate = HasExtension(program) ? program : program + _T(".exe");
    CommandLine read = Unresolved(candidate, rest);
    const DWORD attributes = Lookup().Attributes(read.location);
    read.found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    return read.found ? read : Unresolved(program, rest);
}

CommandLine ReadQuoted(const tstring& text) {
    const size_t close = text.find(_T('"'), 1);
    if (close == tstring::npos)
        return Resolved(text.substr(1), tstring());
    return Resolved(text.substr(1, close - 1), text.substr(close + 1));
}

// The ends of the words that may belong to an unquoted program path.
std::vector<size_t> PathWordEnds(const tstring& text) {
    std::vector<size_t> ends;
    size_t start = 0;
    while ((start = text.find_first_not_of(kBlanks, start)) != tstring::npos &&
           text[start] != _T('"')) {
        size_t end = text.find_first_of(kBlanks, start);
        if (end == tstring::npos)
            end = text.size();
        if (IsPlaceholder(text.substr(start, end - start)))
            break;
        ends.push_back(end);
        start = end;
    }
    return ends;
}

CommandLine ReadUnquoted(const tstring& text) {
    const std::vector<size_t> ends = PathWordEnds(text);
    for (size_t end : ends) {
        const CommandLine read = Resolved(text.substr(0, end), text.substr(end));
        if (read.found)
            return read;
    }
    if (ends.empty())
        return Unresolved(tstring(), text);
    for (size_t end : ends)
        if (IsProgramName(text.substr(0, end)))
            return Unresolved(text.substr(0, end), text.substr(end));
    return Unresolved(text.substr(0, ends.back()), text.substr(ends.back()));
}

}  // namespace

CommandLine ReadCommandLine(const tstring& commandLine) {
    const tstring text = TrimmedLeft(Expanded(commandLine));
    return !text.empty() && text[0] == _T('"') ? ReadQuoted(text) : ReadUnquoted(text);
}

bool NamesExistingPath(const tstring& text) {
    return Lookup().Attributes(LookupLocation(Expanded(text))) != INVALID_FILE_ATTRIBUTES;
}

tstring WithoutPlaceholders(const tstring& arguments) {
    tstring kept;
    size_t start = 0;
    while ((start = arguments.find_first_not_of(kBlanks, start)) != tstring::npos) {
        // A word runs to the next blank outside quotes.
        size_t end = start;
        bool quoted = false;
        for (; end < arguments.size() && (quoted || !IsBlank(arguments[end])); ++end)
            if (arguments[end] == _T('"'))
                quoted = !quoted;
        const tstring word = arguments.substr(start, end - start);
        if (!IsPlaceholder(word))
            kept += (kept.empty() ? tstring() : tstring(_T(" "))) + word;
        start = end;
    }
    return kept;
}
