#include "CoreFixture.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EntryCheck.h"
#include "verbsmith/core/HandlerDetails.h"
#include "verbsmith/core/ProgramLookup.h"
#include <algorithm>
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

// Handlers' classes registered with plain API calls, and texts of their own.
class HandlerCheckTest : public EntryCheckTest {
protected:
    HandlerCheckTest() {
        files::Write(programFolder / _T("Verbsmithtrl.ini"),
                     "[1033]\r\n00001 Language\r\n00002 English\r\n00127 Check finished.\r\n"
                     "00710 No class:\r\n00711 No file:\r\n00712 File %s\r\n00713 File %s (%s)\r\n"
                     "00714 v%s\r\n00715 File %s missing\r\n00716 Class %s missing\r\n"
                     "00717 Class %s without file\r\n[EOL]\r\n");
        translation.Load();
    }
    static void Register(HKEY root, const tstring& classId, const tstring& server, DWORD type = REG_SZ) {
        const tstring key = _T("Software\\Classes\\CLSID\\") + classId + _T("\\InprocServer32");
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValue(root, key.c_str(), nullptr, type, server.c_str(),
                                                static_cast<DWORD>((server.size() + 1) * sizeof(TCHAR))));
    }
    static EntryRow Handler(const tstring& name, const tstring& value) {
        return MakeRow(name, _T("All files"), value, tstring(), EntryKind::kHandler);
    }
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

TEST_F(HandlerCheckTest, TheCheckReportsAnActiveHandlerWhoseClassOrFileIsMissing) {
    const tstring present = programFolder / _T("ext.dll"), gone = programFolder / _T("gone.dll");
    files::Write(present, "MZ");
    Register(HKEY_LOCAL_MACHINE, _T("{F1}"), gone);
    Register(HKEY_CURRENT_USER, _T("{E1}"), _T("\"") + present + _T("\""));
    Register(HKEY_LOCAL_MACHINE, _T("{E1}"), gone);
    reg::SetText(HKEY_LOCAL_MACHINE, _T("Software\\Classes\\CLSID\\{L1}\\LocalServer32"), _T(""), gone);

    CheckAllEntries(host, {Handler(_T("Gone file"), _T("{F1}")), Handler(_T("No class"), _T("{C1}")),
                           Handler(_T("User's file"), _T("{E1}")), Handler(_T("Local"), _T("{L1}")),
                           Handler(_T("Off"), _T("-{C1}")), Handler(_T("{C1}"), _T(""))});

    EXPECT_EQ((tstrings{_T("No file:\n\nGone file\n\n(") + gone + _T(")"),
                        _T("No class:\n\nNo class\n\n({C1})"), _T("No class:\n\n{C1}\n\n({C1})"),
                        _T("Check finished.")}),
              host.told);
}

TEST_F(HandlerCheckTest, FindsTheFileWhereTheLoaderOfTheExplorerWould) {
    const Variable folder(_T("VT_DIR"), _T("C:\\Vt Dir")), path(_T("PATH"), _T("C:\\VtPath\\;;\"C:\\Vt Q\""));
    TCHAR buffer[MAX_PATH] = {};
    GetSystemWindowsDirectory(buffer, MAX_PATH);
    const tstring windows = buffer, system32 = windows + _T("\\System32\\"),
                  sysnative = windows + _T("\\Sysnative\\");
    struct Case {
        const TCHAR* server;
        DWORD type;
        bool wow64;
        tstring existing, file;
        bool found;
    } const cases[] = {
        {_T("\"C:\\Vt Dir\\a.dll\""), REG_SZ, false, _T("C:\\Vt Dir\\a.dll"), _T("C:\\Vt Dir\\a.dll"), true},
        {_T("%VT_DIR%\\b"), REG_EXPAND_SZ, false, _T("C:\\Vt Dir\\b.exe"), _T("C:\\Vt Dir\\b.dll"), false},
        {_T("shell32.dll"), REG_SZ, true, sysnative + _T("shell32.dll"), system32 + _T("shell32.dll"), true},
        {_T("shell32.dll"), REG_SZ, false, sysnative + _T("shell32.dll"), _T("shell32.dll"), false},
        {_T("%SystemRoot%\\System32\\x.dll"), REG_EXPAND_SZ, true, sysnative + _T("x.dll"), system32 + _T("x.dll"), true},
        {_T("w.dll"), REG_SZ, false, windows + _T("\\w.dll"), windows + _T("\\w.dll"), true},
        {_T("p"), REG_SZ, true, _T("C:\\Vt Q\\p.dll"), _T("C:\\Vt Q\\p.dll"), true},
    };
    StatedSystem system;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server);
        system.wow64 = c.wow64;
        system.files = {c.existing};
        Register(HKEY_LOCAL_MACHINE, _T("{T}"), c.server, c.type);

        const std::optional<HandlerDetails> details = LocateHandler(Handler(_T("Entry"), _T("-{T}")));

        ASSERT_TRUE(details && details->classRegistered);
        EXPECT_EQ(c.file, details->file);
        EXPECT_EQ(c.found, details->fileFound);
    }
}

TEST_F(HandlerCheckTest, AFoundFileIsDescribedByItsVersionResource) {
    Register(HKEY_LOCAL_MACHINE, _T("{S}"), _T("shell32.dll"));

    const std::optional<HandlerDetails> details = DetailsOf(Handler(_T("{S}"), _T("")));

    ASSERT_TRUE(details && details->fileFound);
    EXPECT_FALSE(details->description.empty());
    EXPECT_EQ(3, std::count(details->version.begin(), details->version.end(), _T('.'))) << details->version;
    EXPECT_FALSE(DetailsOf(MakeRow(_T("{S}"), _T("x"), _T(""))).has_value());
}

TEST_F(HandlerCheckTest, TheDetailsLineNamesTheFileAndWhatItSaysOrWhatIsMissing) {
    const auto of = [](bool registered, const TCHAR* file = _T(""), bool found = false,
                       const TCHAR* description = _T(""), const TCHAR* company = _T(""),
                       const TCHAR* version = _T("")) {
        return std::optional<HandlerDetails>({_T("{C}"), registered, file, found, description, company, version});
    };
    const std::pair<std::optional<HandlerDetails>, const TCHAR*> cases[] = {
        {std::nullopt, _T("")},
        {of(false), _T("Class {C} missing")},
        {of(true), _T("Class {C} without file")},
        {of(true, _T("C:\\x.dll")), _T("File C:\\x.dll missing")},
        {of(true, _T("C:\\x.dll"), true), _T("File C:\\x.dll")},
        {of(true, _T("C:\\x.dll"), true, _T("Shell"), _T(""), _T("1.2.3.4")), _T("File C:\\x.dll (Shell, v1.2.3.4)")},
        {of(true, _T("C:\\x.dll"), true, _T("Shell"), _T("Maker")), _T("File C:\\x.dll (Shell, Maker)")},
    };
    for (const auto& [details, line] : cases)
        EXPECT_EQ(line, DetailsLine(translation, details));
}
