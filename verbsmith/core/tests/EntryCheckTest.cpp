#include "CoreFixture.h"
#include "verbsmith/core/EntryCheck.h"

namespace {

const HWND kOwner = reinterpret_cast<HWND>(0x5678);

class EntryCheckTest : public CoreFixture {
protected:
    EntryCheckTest() : program(programFolder / _T("tool.exe")) { files::Write(program, "MZ"); }

    static tstring Report(const tstring& name, const tstring& checked) {
        return _T("Program not found (%s):\n\n") + name + _T("\n\n(") + checked + _T(")");
    }

    const tstring program;
};

}  // namespace

TEST_F(EntryCheckTest, AnExistingProgramPassesWithItsFirstThreeParameters) {
    EXPECT_FALSE(CheckCommandLine(translation, kOwner, program + _T(" %1"), _T("Tool")));
    EXPECT_FALSE(CheckCommandLine(translation, kOwner, program + _T(" %2 %3 %1"), _T("Tool")));
    EXPECT_FALSE(CheckCommandLine(translation, kOwner, program, _T("Tool")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EntryCheckTest, OtherParametersStayPartOfThePathAndAreShownInTheBrackets) {
    EXPECT_TRUE(CheckCommandLine(translation, kOwner, program + _T(" %1 %4"), _T("Tool %s")));

    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(Report(_T("Tool %s"), program + _T(" %4")), ui.messages[0].text);
    EXPECT_EQ(_T("Test Caption"), ui.messages[0].caption);
    EXPECT_EQ(kOwner, ui.messages[0].owner);
    EXPECT_EQ(UINT(MB_OK), ui.messages[0].type);
}

TEST_F(EntryCheckTest, AQuotedPathIsReportedAlthoughTheProgramExists) {
    const tstring quoted = _T("\"") + program + _T("\" %1");

    EXPECT_TRUE(CheckCommandLine(translation, kOwner, quoted, _T("Quoted")));

    EXPECT_EQ(tstrings{Report(_T("Quoted"), _T("\"") + program + _T("\""))}, MessageTexts());
}

TEST_F(EntryCheckTest, ValuesWithoutAPathAreNotChecked) {
    for (const TCHAR* value : {_T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"), _T("-{C2FBB630}"),
                               _T("(no link target)"), _T("(C:\\missing.exe)"), _T("No REG_SZ"),
                               _T(""), _T(" %1 %2"), _T("notepad.exe %1"), _T("missing.exe")})
        EXPECT_FALSE(CheckCommandLine(translation, kOwner, value, _T("x")));

    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EntryCheckTest, TheTypedCommandLineCheckEndsWithText127WhenItFindsNothing) {
    CheckTypedCommandLine(translation, kOwner, program + _T(" %1"), _T("Tool"));
    CheckTypedCommandLine(translation, kOwner, _T("C:\\missing\\x.exe"), _T("Gone"));

    EXPECT_EQ((tstrings{_T("Check finished."), Report(_T("Gone"), _T("C:\\missing\\x.exe"))}),
              MessageTexts());
}

TEST_F(EntryCheckTest, AnEmptyListGivesText128AtOnce) {
    CheckAllEntries({});

    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(_T("Check finished: no errors."), ui.messages[0].text);
    EXPECT_EQ(nullptr, ui.messages[0].owner);
}

TEST_F(EntryCheckTest, TwoBadEntriesGiveTwoReportsInListOrderAndThenText127) {
    const EntryList rows = {
        MakeRow(_T("Good"), _T("All files"), program + _T(" %1")),
        MakeRow(_T("First"), _T("All files"), _T("C:\\gone\\first.exe %1")),
        MakeRow(_T("Handler"), _T("Drives"), _T("{ABC}")),
        MakeRow(_T("Second"), kSendToText, _T("D:\\gone\\second.exe")),
        MakeRow(_T("Unreadable"), kSendToText, kUnreadableText),
    };

    CheckAllEntries(rows);

    EXPECT_EQ((tstrings{Report(_T("First"), _T("C:\\gone\\first.exe")),
                        Report(_T("Second"), _T("D:\\gone\\second.exe")), _T("Check finished.")}),
              MessageTexts());
    for (const RecordingUi::MessageCall& call : ui.messages) {
        EXPECT_EQ(nullptr, call.owner);
        EXPECT_EQ(_T("Test Caption"), call.caption);
    }
}

TEST_F(EntryCheckTest, AListWithoutProblemsEndsWithText128) {
    CheckAllEntries({MakeRow(_T("Good"), _T("All files"), program),
                     MakeRow(_T("Bare"), _T("x"), _T("cmd.exe"))});

    EXPECT_EQ(tstrings{_T("Check finished: no errors.")}, MessageTexts());
}
