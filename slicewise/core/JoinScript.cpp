#include "slicewise/core/JoinScript.h"
#include "slicewise/core/PartNames.h"
#include <algorithm>

// The script keeps to forms that both Windows' cmd and Wine's run alike (the
// tests run it under Wine): one "for" over a quoted name per size check, a
// "goto" per decision, no parenthesised blocks and no delayed expansion.
// Sizes are compared as text, since cmd's arithmetic stops at 2^31.

namespace {

// cmd reads lines of at most 8,191 characters, counted with the names put
// in. A line of copies keeps room for the command around its part names.
const size_t kLongestLine = 8191 - 1;
const size_t kCopyCommandRoom = 100;

// A name of printable ASCII is written into the script as it is, its percent
// signs doubled: quotes keep "&", "^", "+" and parentheses literal, and
// without delayed expansion "!" is too. Any other name has no ASCII form
// that cmd reads back (code pages differ, short names may be off): the
// script takes it from its own name, "<name>.join.cmd", held in %name%. A
// value of a variable is never expanded again on Windows; Wine's cmd does
// expand it again, so there a name that is not ASCII must not hold a "%".
bool WrittenAsIs(const tstring& name) {
    return std::all_of(name.begin(), name.end(),
                       [](TCHAR c) { return c >= 0x20 && c <= 0x7E; });
}

tstring NameInScript(const tstring& name) {
    if (!WrittenAsIs(name))
        return _T("%name%");
    tstring text;
    for (TCHAR c : name) {
        text += c;
        if (c == _T('%'))
            text += c;
    }
    return text;
}

// Only called on text that is ASCII.
std::string Ascii(const tstring& text) {
    std::string ascii;
    for (TCHAR c : text) ascii += static_cast<char>(c);
    return ascii;
}

std::string Quoted(const tstring& name) { return "\"" + Ascii(name) + "\""; }

class ScriptText {
public:
    explicit ScriptText(const JoinSet& set)
        : set_(set), name_(NameInScript(set.name)), fromOwnName_(!WrittenAsIs(set.name)),
          parts_(set.size / set.partSize + 1) {}

    std::string Text() {
        Start();
        for (ULONGLONG n = 1; n <= parts_; ++n) {
            Line("set \"part=" + Ascii(PartNumber(n)) + "\"");
            Line("for %%F in (" + Quoted(PartName(name_, n)) + ") do if not \"%%~zF\"==\"" +
                 std::to_string(PartSize(n)) + "\" goto missing");
        }
        Copies();
        Line("for %%F in (\"%joining%\") do if not \"%%~zF\"==\"" + std::to_string(set_.size) +
             "\" goto failed");
        Check();
        End();
        return text_;
    }

private:
    void Line(const std::string& line) { text_ += line + "\r\n"; }

    void Start() {
        Line("@echo off");
        Line("rem Joins the parts beside it, NAME.00001.vtrl, NAME.00002.vtrl, ..., into NAME");
        Line("rem and checks the SHA-256 of the result where Windows has certutil.");
        Line("rem Double-click it, or run it from cmd or PowerShell as .\\NAME.join.cmd");
        Line("rem Keep it beside the parts and keep its name: it may find them by it.");
        Line("rem It waits for a key at the end; it exits with 0 when the file was joined.");
        Line("setlocal EnableExtensions DisableDelayedExpansion");
        Line("set \"result=1\"");
        Line("pushd \"%~dp0\"");
        Line("if errorlevel 1 goto end");
        if (fromOwnName_) {
            Line("set \"name=%~n0\"");
            Line("set \"name=%name:~0,-5%\"");
        }
        Line("set \"joining=join-" + HexDigest(set_.digest).substr(0, 16) + ".tmp\"");
        Line("echo Joining " + Quoted(name_) + " from " + std::to_string(parts_) + " parts.");
    }

    // Parts named one by one in their order, never by wildcards (FAT lists
    // them in any order, and short names match too); after the first line
    // each appends to the temporary file.
    void Copies() {
        for (ULONGLONG n = 1; n <= parts_;) {
            const ULONGLONG first = n;
            std::string terms;
            for (size_t length = kCopyCommandRoom; n <= parts_; ++n) {
                const tstring part = PartName(name_, n);
                const size_t termLength = std::max(part.size(), PartName(set_.name, n).size()) + 3;
                if (!terms.empty() && length + termLength > kLongestLine)
                    break;
                terms += (terms.empty() ? "" : "+") + Quoted(part);
                length += termLength;
            }
            Line("copy /y /b " + std::string(first == 1 ? "" : "\"%joining%\"+") + terms +
                 " \"%joining%\" >nul");
            Line("if errorlevel 1 goto failed");
        }
    }

    // certutil prints the digest on a line of its own, with blanks between
    // the bytes on older Windows; its other lines, in any language, hold a
    // colon. Without certutil, or with one that gives no digest, the
    // check is skipped and said so.
    void Check() {
        Line("set \"hashed=\"");
        Line("set \"match=\"");
        Line("for /f \"usebackq delims=\" %%H in (`certutil -hashfile \"%joining%\" SHA256 2^>nul`) "
             "do call :compare \"%%H\"");
        Line("if not defined hashed goto unchecked");
        Line("if not defined match goto mismatch");
        Line("echo The SHA-256 of the joined file matches.");
        Line("goto rename");
        Line(":unchecked");
        Line("echo certutil gave no SHA-256: the check was skipped.");
        Line(":rename");
        Line("move /y \"%joining%\" " + Quoted(name_) + " >nul");
        Line("if errorlevel 1 goto failed");
        Line("echo Joined " + Quoted(name_) + ".");
        Line("set \"result=0\"");
        Line("goto end");
    }

    void End() {
        Line(":missing");
        Line("echo Part %part% is missing or has the wrong size.");
        Line("goto failed");
        Line(":mismatch");
        Line("echo The SHA-256 of the joined file does not match: a part is damaged.");
        Line(":failed");
        Line("if exist \"%joining%\" del \"%joining%\"");
        Line("echo Nothing was joined.");
        Line(":end");
        Line("popd");
        Line("pause");
        Line("exit /b %result%");
        Line(":compare");
        Line("set \"line=%~1\"");
        Line("set \"line=%line: =%\"");
        Line("if not \"%line::=%\"==\"%line%\" goto :eof");
        Line("set \"hashed=1\"");
        Line("if /i \"%line%\"==\"" + HexDigest(set_.digest) + "\" set \"match=1\"");
        Line("goto :eof");
    }

    tstring PartNumber(ULONGLONG n) const {
        const tstring part = PartName(tstring(), n);   // ".00001.vtrl"
        return part.substr(1, part.size() - 6);
    }

    ULONGLONG PartSize(ULONGLONG n) const {
        return n < parts_ ? set_.partSize : set_.size - (parts_ - 1) * set_.partSize;
    }

    const JoinSet& set_;
    const tstring name_;
    const bool fromOwnName_;
    const ULONGLONG parts_;
    std::string text_;
};

}  // namespace

tstring JoinScriptPath(const tstring& stem) { return stem + _T(".join.cmd"); }

std::string JoinScriptText(const JoinSet& set) { return ScriptText(set).Text(); }
