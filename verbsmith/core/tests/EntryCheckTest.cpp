#include "CoreFixture.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/ProgramLookup.h"
#include <set>

namespace {

class EntryCheckTest : public CoreFixture {
protected:
    EntryCheckTest() : program(programFolder / _T("tool.exe")) { files::Write(program, "MZ"); }

    static tstring Report(const tstring& name, const tstring& checked) {
        return _T("Program not found (%s):\n\n") + name + _T("\n\n(") + checked + _T(")");
    }

    const tstring program;
};

// The system as the test states it: WOW64 or not, and the files that exist.
class StatedSystem : public ProgramLookup {
public:
    StatedSystem() { SetLookup(this); }
    ~StatedSystem() override { SetLookup(nullptr); }
    bool RunsUnderWow64() override { return wow64; }
    DWORD Attributes(const tstring& path) override {
        return files.count(path) ? FILE_ATTRIBUTE_NORMAL : INVALID_FILE_ATTRIBUTES;
    }
    bool wow64 = false;
    std::set<tstring> files;
};

// An environment variable set for one test, and put back afterwards.
class Variable {
public:
    Variable(const TCHAR* name, const TCHAR* value) : name_(name) {
        TCHAR old[MAX_PATH] = {};
        had_ = GetEnvironmentVariable(name, old, MAX_PATH) > 0;
        old_ = old;
        SetEnvironmentVariable(name, value);
    }
    ~Variable() { SetEnvironmentVariable(name_, had_ ? old_.c_str() : nullptr); }

private:
    const TCHAR* name_;
    bool had_;
    tstring old_;
};

}  // namespace

TEST_F(EntryCheckTest, ReadsTheProgramAsWindowsDoesAndReportsItWhenMissing) {
    const Variable apps(_T("VT_APPS"), _T("C:\\Vt Apps"));
    const Variable files32(_T("ProgramFiles"), _T("C:\\PF32")), files64(_T("ProgramW6432"), _T("C:\\PF64"));
    const Variable common32(_T("CommonProgramFiles"), _T("C:\\CF32")),
        common64(_T("CommonProgramW6432"), _T("C:\\CF64"));
    TCHAR windows[MAX_PATH] = {};
    GetSystemWindowsDirectory(windows, MAX_PATH);
    const tstring only64 = tstring(windows) + _T("\\Sysnative\\only64.exe");
    const tstring system32 = tstring(windows) + _T("\\System32\\only64.exe");
    const TCHAR app[] = _T("C:\\Vt Apps\\app.exe");
    struct Case {
        const TCHAR* line;
        bool wow64;
        tstrings files;
        tstring program;
        const TCHAR* arguments;
        bool reported;
    } const cases[] = {
        {_T("\"C:\\Vt Apps\\app.exe\" \"%1\" /x"), false, {app}, app, _T("\"%1\" /x"), false},
        {_T("  \"C:\\Vt Apps\\app\"%1"), false, {app}, app, _T("%1"), false},
        {_T("\"C:\\Vt Apps\\gone.exe\" %1"), false, {}, _T("C:\\Vt Apps\\gone.exe"), _T("%1"), true},
        {_T("C:\\Vt Apps\\app.exe %1 %2"), false, {app}, app, _T("%1 %2"), false},
        {_T("C:\\Vt Apps\\app -x"), false, {app}, app, _T("-x"), false},
        {_T("C:\\Vt Apps\\app.exe"), false, {_T("C:\\Vt.exe"), app}, _T("C:\\Vt.exe"), _T("Apps\\app.exe"), false},
        {_T("C:\\Vt Apps\\gone.exe more words"), false, {}, _T("C:\\Vt Apps\\gone.exe"), _T("more words"), true},
        {_T("C:\\Vt Apps\\gone %L x"), false, {}, _T("C:\\Vt Apps\\gone"), _T("%L x"), true},
        {_T("%VT_APPS%\\app.exe \"%1\""), false, {app}, app, _T("\"%1\""), false},
        {_T("\"%vt_apps%\\gone.exe\""), false, {}, _T("C:\\Vt Apps\\gone.exe"), _T(""), true},
        {_T("notepad.exe C:\\Vt Apps\\a.txt"), false, {}, _T("notepad.exe"), _T("C:\\Vt Apps\\a.txt"), false},
        {_T("%SystemRoot%\\System32\\only64.exe %1"), true, {only64}, system32, _T("%1"), false},
        {_T("%SystemRoot%\\System32\\only64.exe %1"), false, {only64}, system32, _T("%1"), true},
        {_T("\"%ProgramFiles%\\App\\a.exe\" %1"), true, {_T("C:\\PF64\\App\\a.exe")}, _T("C:\\PF64\\App\\a.exe"), _T("%1"), false},
        {_T("\"%ProgramFiles%\\App\\a.exe\" %1"), false, {_T("C:\\PF64\\App\\a.exe")}, _T("C:\\PF32\\App\\a.exe"), _T("%1"), true},
        {_T("%CommonProgramFiles%\\T\\t.exe"), true, {_T("C:\\CF64\\T\\t.exe")}, _T("C:\\CF64\\T\\t.exe"), _T(""), false},
    };
    StatedSystem system;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        system.wow64 = c.wow64;
        system.files = std::set<tstring>(c.files.begin(), c.files.end());
        host.told.clear();

        const CommandLine read = ReadCommandLine(c.line);

        EXPECT_EQ(c.program, read.program);
        EXPECT_EQ(c.arguments, read.arguments);
        EXPECT_EQ(c.reported, CheckCommandLine(host, c.line, _T("Entry")));
        EXPECT_EQ(c.reported ? tstrings{Report(_T("Entry"), c.program)} : tstrings{}, host.told);
    }
    system.wow64 = true;
    EXPECT_EQ(only64, ReadCommandLine(_T("%SystemRoot%\\System32\\only64.exe")).location);
}

TEST_F(EntryCheckTest, AnExistingProgramPassesWhateverItsArguments) {
    for (const tstring& value : {program, program + _T(" %1"), program + _T(" %2 %3 %1 %4 -x"),
                                 _T("\"") + program + _T("\" \"%1\"")})
        EXPECT_FALSE(CheckCommandLine(host, value, _T("Tool")));
    EXPECT_TRUE(host.told.empty());
}

TEST_F(EntryCheckTest, AMissingProgramIsReportedWithItsPathInTheBrackets) {
    EXPECT_TRUE(CheckCommandLine(host, programFolder / _T("gone.exe %1 %4"), _T("Tool %s")));

    EXPECT_EQ(tstrings{Report(_T("Tool %s"), programFolder / _T("gone.exe"))}, host.told);
}

TEST_F(EntryCheckTest, ValuesWithoutAPathAreNotChecked) {
    for (const TCHAR* value : {_T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"), _T("-{C2FBB630}"),
                               _T("(no link target)"), _T("(C:\\missing.exe)"), _T("No REG_SZ"),
                               _T(""), _T(" %1 %2"), _T("notepad.exe %1"), _T("missing.exe")})
        EXPECT_FALSE(CheckCommandLine(host, value, _T("x")));

    EXPECT_TRUE(host.told.empty());
}

TEST_F(EntryCheckTest, TheTypedCommandLineCheckEndsWithText127WhenItFindsNothing) {
    CheckTypedCommandLine(host, program + _T(" %1"), _T("Tool"));
    CheckTypedCommandLine(host, _T("C:\\missing\\x.exe"), _T("Gone"));

    EXPECT_EQ((tstrings{_T("Check finished."), Report(_T("Gone"), _T("C:\\missing\\x.exe"))}),
              host.told);
}

TEST_F(EntryCheckTest, AnEmptyListGivesText128AtOnce) {
    CheckAllEntries(host, {});

    EXPECT_EQ(tstrings{_T("Check finished: no errors.")}, host.told);
}

TEST_F(EntryCheckTest, TwoBadEntriesGiveTwoReportsInListOrderAndThenText127) {
    const EntryList rows = {
        MakeRow(_T("Good"), _T("All files"), program + _T(" %1")),
        MakeRow(_T("First"), _T("All files"), _T("C:\\gone\\first.exe %1")),
        MakeRow(_T("Handler"), _T("Drives"), _T("{ABC}")),
        MakeRow(_T("Second"), kSendToText, _T("D:\\gone\\second.exe")),
        MakeRow(_T("Unreadable"), kSendToText, kUnreadableText),
    };

    CheckAllEntries(host, rows);

    EXPECT_EQ((tstrings{Report(_T("First"), _T("C:\\gone\\first.exe")),
                        Report(_T("Second"), _T("D:\\gone\\second.exe")), _T("Check finished.")}),
              host.told);
}

TEST_F(EntryCheckTest, AListWithoutProblemsEndsWithText128) {
    const tstring folder = programFolder / _T("My Backup");
    ASSERT_TRUE(CreateDirectory(folder.c_str(), nullptr));

    CheckAllEntries(host, {MakeRow(_T("Good"), _T("All files"), program),
                           MakeRow(_T("Bare"), _T("x"), _T("cmd.exe")),
                           MakeRow(_T("Backup"), kSendToText, folder)});

    EXPECT_EQ(tstrings{_T("Check finished: no errors.")}, host.told);
}
