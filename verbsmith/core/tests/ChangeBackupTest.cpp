// Every change of the editor is backed up first, and its backup gives back
// exactly what was there: for each kind of change, the state before it, the
// change through the real code, Restore, the same state again.
#include "CoreFixture.h"
#include "framework/testkit/RecordingWrites.h"
#include "tests/support/RegistryTree.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/SpecialEntries.h"
#include <functional>

namespace {

const TCHAR kHandlers[] = _T("AllFileSystemObjects\\shellex\\ContextMenuHandlers");

struct Change {
    const char* name;
    std::function<bool(class ChangeBackupTest&)> make;
};

class ChangeBackupTest : public CoreFixture, public testing::WithParamInterface<Change> {
public:
    // What the changes of the table use.
    using CoreFixture::power;
    using CoreFixture::translation;
    using CoreFixture::host;

    ChangeBackupTest() {
        SetDefault(_T("*\\shell\\Edit"), _T("Edit"));
        SetDefault(_T("*\\shell\\Edit\\command"), _T("notepad.exe %1"));
        reg::SetRaw(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit\\command"), _T("extra"), REG_BINARY,
                    std::string("\x01\x00\xFF", 3));
        SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
        SetDefault(tstring(kHandlers) + _T("\\Off"), _T("-{OFF}"));
        SetDefault(tstring(kHandlers) + _T("\\Copy To"), _T("-{C2FBB630-2971-11D1-A18C-00C04FD75D13}"));
        links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("mail"));
    }
protected:
    // The registry below HKEY_CLASSES_ROOT and every Send To file with its bytes.
    tstring State() const {
        tstring state = reg::Tree(HKEY_CLASSES_ROOT, _T(""));
        for (const tstring& name : files::List(sendTo.Path())) {
            const std::string bytes = files::Read(sendTo / name);
            state += _T("\n") + name + _T(": ") + tstring(bytes.begin(), bytes.end());
        }
        return state;
    }
public:
    EntryRow Row(const tstring& name) {
        for (const EntryRow& row : ScanEntryList(power, translation))
            if (row.name == name)
                return row;
        return {};
    }
};

}  // namespace

TEST_P(ChangeBackupTest, RestoreGivesBackExactlyWhatWasThere) {
    const tstring before = State();
    ASSERT_TRUE(GetParam().make(*this));
    ASSERT_NE(before, State());
    const std::vector<Backup> saved = backups.List();
    ASSERT_EQ(1u, saved.size());
    ASSERT_EQ(DWORD(ERROR_SUCCESS), backups.Restore(saved[0], sendTo.Path()).error);
    EXPECT_EQ(before, State());
}

TEST_P(ChangeBackupTest, AChangeWhoseBackupFailsIsNotMade) {
    const tstring before = State();
    RecordingWrites writes;
    writes.failCall = 1;   // the backup's write, the first of the change: a full disk
    EXPECT_FALSE(GetParam().make(*this));
    EXPECT_EQ(before, State());
    ASSERT_FALSE(host.told.empty());
    EXPECT_EQ(0u, host.told.back().find(_T("No backup in ") + backupFolder.Path()));
    EXPECT_TRUE(backups.List().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ChangeBackupTest,
    testing::Values(
        Change{"AddVerb", [](ChangeBackupTest& t) {
                   return SaveEntry(t.host, {true, 1, _T("New"), _T("new.exe"), _T(""), {}});
               }},
        Change{"EditCommand", [](ChangeBackupTest& t) {
                   return SaveEntry(t.host, {false, 1, _T("Edit"), _T("wordpad.exe %1"),
                                     _T("*\\shell\\Edit\\command"), {_T("notepad.exe %1"), REG_SZ}});
               }},
        Change{"RemoveVerb", [](ChangeBackupTest& t) {
                   return RemoveEntry(t.host, t.Row(_T("Edit"))) == RemoveResult::Removed;
               }},
        Change{"Deactivate", [](ChangeBackupTest& t) {
                   return ToggleActivation(t.host, t.Row(_T("Zip"))).has_value();
               }},
        Change{"Activate", [](ChangeBackupTest& t) {
                   return ToggleActivation(t.host, t.Row(_T("Off"))).has_value();
               }},
        Change{"CopyToOverADeactivatedOne", [](ChangeBackupTest& t) {
                   AddSpecialHandler(t.host, 1001, ClassesHalf::kMachine);
                   return t.host.told.back() == _T("Entry added.");
               }},
        Change{"MoveTo", [](ChangeBackupTest& t) {
                   AddSpecialHandler(t.host, 1002, ClassesHalf::kMachine);
                   return t.host.told.back() == _T("Entry added.");
               }},
        Change{"SendToCreate", [](ChangeBackupTest& t) {
                   return CreateSendToShortcut(t.host, _T("Tool"), _T("C:\\t.exe"));
               }},
        Change{"SendToReplace", [](ChangeBackupTest& t) {
                   return ReplaceSendToShortcut(t.host, _T("Mail.lnk"), _T("C:\\other.exe"));
               }},
        Change{"SendToDelete", [](ChangeBackupTest& t) {
                   return DeleteSendToShortcut(t.host, _T("Mail.lnk"));
               }}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });
