#include "CoreFixture.h"
#include "framework/testkit/RecordingWrites.h"
#include "tests/support/ForcedElevation.h"
#include "verbsmith/core/EntryMarks.h"
#include "verbsmith/core/EntryMemory.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/RemoveBackAgain.h"
#include <set>

namespace {

const TCHAR kHandlers[] = _T("AllFileSystemObjects\\shellex\\ContextMenuHandlers");
// Whatever a key name can hold comes back from the memory exactly.
const TCHAR kOddName[] = _T("Tab\there, line\nbreak, 100% \x03A9");

class EntryMarksTest : public CoreFixture {
protected:
    EntryMarksTest() {
        std::string texts = files::Read(programFolder / _T("Verbsmithtrl.ini"));
        texts.insert(texts.find("[EOL]"), "00721 Back: %d\r\n00722 Nothing back.\r\n00723 Done: %d of %d\r\n");
        files::Write(programFolder / _T("Verbsmithtrl.ini"), texts);
        translation.Load();
    }

    // A start of the editor: the first scan against what was remembered.
    EntryList Start() {
        marks.emplace(ScanEntryList(power, translation), memory.Load());
        return Scan();
    }
    // The scan of every refresh, marked.
    EntryList Scan() {
        EntryList rows = ScanEntryList(power, translation);
        marks->Apply(rows, backups.List());
        return rows;
    }
    static EntryRow Row(const EntryList& rows, const tstring& name) {
        for (const EntryRow& row : rows)
            if (row.name == name)
                return row;
        ADD_FAILURE() << "no row named " << testing::PrintToString(name);
        return {};
    }

    TempFolder memoryFolder;
    const tstring memoryFile = memoryFolder / _T("Listed entries.dat");
    EntryMemory memory{memoryFile};
    std::optional<EntryMarks> marks;
};

}  // namespace

// Between two starts, a program's update puts back what the user took away
// with the editor, adds entries and changes one.
TEST_F(EntryMarksTest, NewAndBackAgainAcrossTwoStarts) {
    for (const tstring& verb : tstrings{_T("Old"), _T("Gone"), _T("Restored"), kOddName})
        SetDefault(_T("*\\shell\\") + verb + _T("\\command"), verb + _T(".exe"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
    SetDefault(tstring(kHandlers) + _T("\\Off"), _T("{OFF}"));
    links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("d"));

    EntryList rows = Start();
    for (const EntryRow& row : rows)
        EXPECT_EQ(EntryMark::kNone, row.mark) << "nothing remembered: " << testing::PrintToString(row.name);
    ASSERT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(rows, _T("Gone"))));
    ASSERT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(rows, _T("Restored"))));
    ASSERT_EQ(RestoreStep::None, backups.Restore(backups.List().front(), sendTo.Path()).failedAt);
    ASSERT_TRUE(ToggleActivation(host, Row(rows, _T("Zip"))).has_value());
    ASSERT_TRUE(ToggleActivation(host, Row(rows, _T("Off"))).has_value());
    ASSERT_TRUE(SaveEntry(host, {true, 1, _T("Added"), _T("added.exe"), _T(""), {}}));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, memory.Save(Scan()));

    SetDefault(_T("*\\shell\\Old\\command"), _T("old.exe --changed"));
    reg::SetText(HKEY_CURRENT_USER, _T("Software\\Classes\\*\\shell\\Old"), _T(""), _T("Mine"));
    SetDefault(_T("*\\shell\\GONE\\command"), _T("gone.exe"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
    SetDefault(_T("Drive\\shell\\Fresh\\command"), _T("fresh.exe"));
    links::Create(sendTo / _T("New.lnk"), _T("C:\\new.exe"), _T("d"));

    rows = Start();
    const std::pair<tstring, EntryMark> expected[] = {
        {_T("Old"), EntryMark::kNone},       {kOddName, EntryMark::kNone},
        {_T("GONE"), EntryMark::kBackAgain}, {_T("Restored"), EntryMark::kNone},
        {_T("Zip"), EntryMark::kBackAgain},  {_T("Off"), EntryMark::kNone},
        {_T("Added"), EntryMark::kNone},     {_T("Mail.lnk"), EntryMark::kNone},
        {_T("Fresh"), EntryMark::kNew},      {_T("New.lnk"), EntryMark::kNew},
    };
    for (const auto& entry : expected)
        EXPECT_EQ(entry.second, Row(rows, entry.first).mark) << testing::PrintToString(entry.first);

    SetDefault(_T("Drive\\shell\\Later\\command"), _T("later.exe"));
    rows = Scan();
    EXPECT_EQ(EntryMark::kNone, Row(rows, _T("Later")).mark);   // added while the window is open
    EXPECT_EQ(EntryMark::kNew, Row(rows, _T("Fresh")).mark);
}

TEST_F(EntryMarksTest, ADamagedMemoryIsNothingRemembered) {
    SetDefault(_T("*\\shell\\A\\command"), _T("a.exe"));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, memory.Save(ScanEntryList(power, translation)));
    ASSERT_TRUE(memory.Load().has_value());
    const std::string whole = files::Read(memoryFile);
    const std::string first = "Verbsmith listed entries 1\r\n";
    const std::string damaged[] = {
        "",
        whole.substr(0, whole.find("End")),   // cut short
        whole.substr(0, whole.find("End")) + "End 2\r\n",
        first + "M*\\shell\\%00G1\r\nEnd 1\r\n",
        first + "X*\\shell\\A\r\nEnd 1\r\n",
        first + "M*\\shell\\" + std::string(16 << 20, 'A') + "\r\nEnd 1\r\n",
        std::string("\xFF\xFE\0\0", 4),
    };
    for (const std::string& bytes : damaged) {
        files::Write(memoryFile, bytes);
        EXPECT_FALSE(memory.Load().has_value()) << bytes.substr(0, 60);
    }
}

// Windows refuses what Wine grants: a save that fails on the way, in its
// write, flush or rename, leaves the last memory whole and nothing beside it.
TEST_F(EntryMarksTest, AFailedSaveKeepsTheLastMemoryWhole) {
    SetDefault(_T("*\\shell\\A\\command"), _T("a.exe"));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, memory.Save(ScanEntryList(power, translation)));
    const std::string whole = files::Read(memoryFile);
    SetDefault(_T("*\\shell\\B\\command"), _T("b.exe"));
    for (const int failing : {1, 2, 3}) {
        RecordingWrites writes;
        writes.failCall = failing;
        EXPECT_NE(DWORD{ERROR_SUCCESS}, memory.Save(ScanEntryList(power, translation))) << failing;
        EXPECT_EQ(whole, files::Read(memoryFile)) << failing;
        EXPECT_EQ(tstrings{_T("Listed entries.dat")}, files::List(memoryFolder.Path())) << failing;
    }
}

// What came back goes again, with one question and one message, each change
// backed up; with nothing back, a message says so.
TEST_F(EntryMarksTest, RemoveBackAgainRemovesVerbsAndDeactivatesHandlers) {
    SetDefault(_T("*\\shell\\Gone\\command"), _T("gone.exe"));
    SetDefault(_T("*\\shell\\Stay\\command"), _T("stay.exe"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
    const EntryList rows = Start();
    ASSERT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(rows, _T("Gone"))));
    ASSERT_TRUE(ToggleActivation(host, Row(rows, _T("Zip"))).has_value());
    SetDefault(_T("*\\shell\\Gone\\command"), _T("gone.exe"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
    host.told.clear();
    host.asked.clear();
    const size_t before = backups.List().size();

    EXPECT_TRUE(RemoveBackAgain(host, Scan()));

    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Gone")));
    EXPECT_EQ(_T("-{ZIP}"), GetDefault(tstring(kHandlers) + _T("\\Zip")));
    EXPECT_EQ(_T("stay.exe"), GetDefault(_T("*\\shell\\Stay\\command")));
    EXPECT_EQ(tstrings{_T("Back: 2")}, host.asked);
    EXPECT_EQ(tstrings{_T("Done: 2 of 2")}, host.told);
    const std::vector<Backup> after = backups.List();
    ASSERT_EQ(before + 2, after.size());
    EXPECT_EQ((std::set<tstring>{_T("Gone Remove"), _T("Zip Deactivate")}),
              (std::set<tstring>{after[0].entry + _T(" ") + BackupOperationWord(after[0].operation),
                                 after[1].entry + _T(" ") + BackupOperationWord(after[1].operation)}));

    host.told.clear();
    EXPECT_FALSE(RemoveBackAgain(host, Scan()));
    EXPECT_EQ(tstrings{_T("Nothing back.")}, host.told);
}

// Without administrator rights a machine's verb that came back is hidden for
// the user: Windows would refuse its removal.
TEST_F(EntryMarksTest, WithoutRightsAVerbThatCameBackIsHiddenForTheUser) {
    SetDefault(_T("*\\shell\\Gone\\command"), _T("gone.exe"));
    ASSERT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(Start(), _T("Gone"))));
    SetDefault(_T("*\\shell\\Gone\\command"), _T("gone.exe"));
    const ForcedElevation filtered(Elevation::kFilteredAdministrator);

    EXPECT_TRUE(RemoveBackAgain(host, Scan()));

    EXPECT_TRUE(Row(Scan(), _T("Gone")).hidden);
    EXPECT_EQ(_T("gone.exe"), GetDefault(_T("*\\shell\\Gone\\command")));
}
