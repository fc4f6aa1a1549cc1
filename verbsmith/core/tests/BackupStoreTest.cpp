#include <gtest/gtest.h>
#include "BackupTestValues.h"
#include "common/RegistryPlace.h"
#include "framework/testkit/RecordingWrites.h"
#include "framework/Handles.h"
#include "tests/support/MachineClassesSandbox.h"
#include "tests/support/RegistryTree.h"
#include "tests/support/TempFolder.h"
#include "verbsmith/core/BackupStore.h"
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/KeySnapshot.h"

namespace {

const wchar_t kEntryPath[] = L"*\\shell\\Entry";

SYSTEMTIME At(WORD hour, WORD minute, WORD millisecond = 0) {
    SYSTEMTIME time = {2026, 12, 2, 8, hour, minute, 0, millisecond};
    return time;
}

// The clock says what a test chooses.
class TestClock : public BackupClock {
public:
    SYSTEMTIME Now() const override { return now; }
    SYSTEMTIME now = At(10, 0);
};

class BackupStoreTest : public testing::Test {
protected:
    // One line per backup: time, operation, kind, entry and location.
    std::vector<std::wstring> Listing() const {
        const wchar_t* const kinds[] = {L"Key", L"File", L"NoFile"};
        std::vector<std::wstring> lines;
        for (const Backup& backup : store.List())
            lines.push_back(BackupTimeText(backup.time) + L" " + BackupOperationWord(backup.operation) + L" " +
                            kinds[int(backup.kind)] + L" " + backup.entry + L" | " + backup.location +
                            (backup.readError ? L"unreadable" : L""));
        return lines;
    }

    MachineClassesSandbox sandbox;
    TempFolder temp;
    TempFolder sendTo;
    TestClock clock;
    BackupStore store{temp / L"Vantorel\\Backups", clock};
};

// The two parts of HKEY_CLASSES_ROOT.
struct ClassesPart {
    HKEY root;
    const wchar_t* rootName;
    const wchar_t* classes;
    std::wstring Tree() const { return reg::Tree(root, classes + std::wstring(kEntryPath)); }
};
const ClassesPart kUser = {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER\\", L"Software\\Classes\\"};
const ClassesPart kMachine = {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE\\", L"SOFTWARE\\Classes\\"};

struct Place {
    const char* label;
    bool user, machine;   // where the key exists before the change
    bool namedUser;       // the change is made in the user's half
};
const Place kPlaces[] = {
    {"UsersOwn", true, false, true},
    {"MachineWide", false, true, false},
    {"UsersHidesMachines", true, true, true},
    {"New", false, false, false},
};

class KeyBackupTest : public BackupStoreTest, public testing::WithParamInterface<Place> {};

void PutEntry(const ClassesPart& part) {
    const std::wstring key = part.classes + std::wstring(kEntryPath);
    reg::SetText(part.root, key, L"", L"Entry");
    reg::SetRaw(part.root, key + L"\\command", L"", REG_EXPAND_SZ, std::string("%\0\0\0", 4));
}

}  // namespace

// Restore leaves the key where it really lives exactly as it was (or gone,
// for a key that a change added), and is undone in turn by the backup taken
// before it.
TEST_P(KeyBackupTest, RestoresTheKeyWhereItReallyLives) {
    const Place& place = GetParam();
    if (place.user) PutEntry(kUser);
    if (place.machine) PutEntry(kMachine);
    const ClassesPart& named = place.namedUser ? kUser : kMachine;
    const ClassesPart& other = place.namedUser ? kMachine : kUser;
    const std::wstring key = named.classes + std::wstring(kEntryPath);
    const std::wstring before = named.Tree(), otherBefore = other.Tree();

    const ClassesHalf half = place.namedUser ? ClassesHalf::kUser : ClassesHalf::kMachine;
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Remove, L"Entry", half, kEntryPath));
    const std::vector<Backup> saved = store.List();
    ASSERT_EQ(1u, saved.size());
    EXPECT_EQ(named.rootName + key, saved[0].location);

    reg::SetText(named.root, key + L"\\command", L"", L"changed");
    reg::SetText(named.root, key + L"\\later", L"", L"x");
    const std::wstring changed = named.Tree();
    clock.now = At(11, 0);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.Restore(saved[0], sendTo.Path()).error);
    EXPECT_EQ(before, named.Tree());
    EXPECT_EQ(otherBefore, other.Tree());

    const std::vector<Backup> now = store.List();
    ASSERT_EQ(2u, now.size());
    EXPECT_EQ(BackupOperation::Restore, now[0].operation);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.Restore(now[0], sendTo.Path()).error);
    EXPECT_EQ(changed, named.Tree());
}

INSTANTIATE_TEST_SUITE_P(Places, KeyBackupTest, testing::ValuesIn(kPlaces),
                         [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.label); });

// The caller refuses a change whose backup fails: it must hear why.
TEST_F(BackupStoreTest, ReportsABackupThatCannotBeWrittenWithItsCode) {
    PutEntry(kMachine);
    files::Write(sendTo / L"Mail.lnk", "link");
    {   // a backup that does not reach the disk is none
        RecordingWrites writes;
        writes.failCall = 1;   // its write: a full disk
        EXPECT_EQ(DWORD(ERROR_DISK_FULL), store.SaveClassesKey(BackupOperation::Edit, L"Entry", ClassesHalf::kMachine, kEntryPath));
        writes.flushError = ERROR_IO_DEVICE;
        EXPECT_EQ(DWORD(ERROR_IO_DEVICE), store.SaveSendToFile(BackupOperation::Remove, sendTo.Path(), L"Mail.lnk"));
        EXPECT_EQ(DWORD(ERROR_IO_DEVICE), store.SaveClassesKey(BackupOperation::Edit, L"Entry", ClassesHalf::kMachine, kEntryPath));
        EXPECT_TRUE(files::List(temp / L"Vantorel\\Backups").empty());
    }

    // A real failure, no seam: a plain file where the folder should be.
    files::Write(temp / L"Blocked", "x");
    const BackupStore blocked(temp / L"Blocked");
    EXPECT_NE(DWORD(ERROR_SUCCESS), blocked.SaveClassesKey(BackupOperation::Edit, L"Entry", ClassesHalf::kMachine, kEntryPath));
    EXPECT_EQ("x", files::Read(temp / L"Blocked"));
}

// A trailing or doubled "\" would reach the whole classes key.
TEST_F(BackupStoreTest, NeverReachesAboveTheKeyItNames) {
    PutEntry(kMachine);
    EXPECT_EQ(DWORD(ERROR_BAD_PATHNAME), store.SaveClassesKey(BackupOperation::Remove, L"Entry", ClassesHalf::kMachine, L""));
    const RegDocument document = {{},
                                  {{L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\*", true, {}},
                                   {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\\\x", false, {}}}};
    EXPECT_EQ(DWORD(ERROR_BAD_PATHNAME), ApplyRegDocument(document));
    EXPECT_NE(L"<missing>", kMachine.Tree());
}

TEST_F(BackupStoreTest, ListsNewestFirstWithTimeOperationEntryAndLocation) {
    files::Write(sendTo / L"Mail.lnk", "link");
    const std::wstring entry = L"Open <with>: \"App\" \\ / * ? | and a name that goes on and on";
    clock.now = At(10, 0);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Edit, entry, ClassesHalf::kMachine, kEntryPath));
    clock.now = At(9, 0);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveSendToFile(BackupOperation::Remove, sendTo.Path(), L"Mail.lnk"));
    clock.now = At(11, 0);
    for (int twice = 0; twice < 2; ++twice)   // the same millisecond: the second moves on by one
        ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveSendToFile(BackupOperation::Add, sendTo.Path(), L"New.lnk"));
    files::Write(temp / L"Vantorel\\Backups\\notes.txt", "not a backup");
    files::Write(temp / L"Vantorel\\Backups\\2026-12-08_08-00-00_000_Edit_Key_Lost.reg", "");

    EXPECT_EQ((std::vector<std::wstring>{
                  L"2026-12-08 11:00:00.001 Add NoFile New.lnk | New.lnk",
                  L"2026-12-08 11:00:00.000 Add NoFile New.lnk | New.lnk",
                  L"2026-12-08 10:00:00.000 Edit Key " + entry + L" | HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\*\\shell\\Entry",
                  L"2026-12-08 09:00:00.000 Remove File Mail.lnk | Mail.lnk",
                  L"2026-12-08 08:00:00.000 Edit Key  | unreadable",
              }),
              Listing());
    EXPECT_TRUE(files::Exists(temp / L"Vantorel\\Backups\\2026-12-08_10-00-00_000_Edit_Key_"
                                     L"Open -with-- -App- - - - - - and a name .reg"));
}

TEST_F(BackupStoreTest, PutsASendToFileBackOrDeletesTheOneThatWasAdded) {
    const std::string link("L\0\0\0\x01\x14\x02\0 as it was", 19);
    files::Write(sendTo / L"Mail.lnk", link);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveSendToFile(BackupOperation::Edit, sendTo.Path(), L"Mail.lnk"));
    clock.now = At(11, 0);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveSendToFile(BackupOperation::Add, sendTo.Path(), L"New.lnk"));
    files::Write(sendTo / L"Mail.lnk", "replaced");
    files::Write(sendTo / L"New.lnk", "added");
    {   // a copy on the disk, after the backup of the file, takes its name; a failed rename leaves it as it was
        RecordingWrites writes;
        writes.replaceError = ERROR_ACCESS_DENIED;
        EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), store.Restore(store.List()[1], sendTo.Path()).error);
        EXPECT_EQ("replaced", files::Read(sendTo / L"Mail.lnk"));
        ASSERT_EQ(3u, writes.calls.size());   // the backup of what is replaced first
        EXPECT_EQ((tstrings{L"flush Mail.lnk.new", L"replace Mail.lnk.new Mail.lnk"}),
                  tstrings(writes.calls.begin() + 1, writes.calls.end()));
    }
    for (const Backup& backup : store.List()) ASSERT_EQ(DWORD(ERROR_SUCCESS), store.Restore(backup, sendTo.Path()).error);
    EXPECT_EQ(link, files::Read(sendTo / L"Mail.lnk"));
    EXPECT_EQ(std::vector<std::wstring>{L"Mail.lnk"}, files::List(sendTo.Path()));
    // Without a Send To folder nothing is saved or restored (at the drive's root).
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), store.SaveSendToFile(BackupOperation::Edit, L"", L"Mail.lnk"));
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), store.Restore(store.List().front(), L"").error);
}

// What the editor writes and deletes through HKEY_CLASSES_ROOT is what the
// backups give back.
TEST_F(BackupStoreTest, UndoesTheEditorsOwnWritesAndDeletes) {
    PutEntry(kMachine);
    const std::wstring before = kMachine.Tree();
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Remove, L"Entry", ClassesHalf::kMachine, kEntryPath));
    ASSERT_TRUE(registry::DeleteKeyTree({HKEY_CLASSES_ROOT, L"*\\shell"}, L"Entry"));
    clock.now = At(11, 0);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Add, L"New", ClassesHalf::kMachine, L"*\\shell\\New"));
    ASSERT_TRUE(registry::WriteText({HKEY_CLASSES_ROOT, L"*\\shell\\New\\command"}, L"", L"notepad.exe %1"));
    ASSERT_EQ(L"<missing>", kMachine.Tree());
    ASSERT_TRUE(reg::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\*\\shell\\New\\command"));

    for (const Backup& backup : store.List()) ASSERT_EQ(DWORD(ERROR_SUCCESS), store.Restore(backup, sendTo.Path()).error);
    EXPECT_EQ(before, kMachine.Tree());
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\New"));
}

// A backup that someone extended changes nothing and saves nothing when it
// reaches beyond its entry, and says where.
TEST_F(BackupStoreTest, RestoresNothingOfABackupThatReachesBeyondItsEntry) {
    PutEntry(kMachine);
    reg::SetText(HKEY_CURRENT_USER, L"Software\\Kept", L"", L"x");
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Remove, L"Entry", ClassesHalf::kMachine, kEntryPath));
    const Backup saved = store.List()[0];
    const std::string original = files::Read(saved.path);
    const std::wstring classes = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\", entry = classes + L"*\\shell\\Entry";
    const std::wstring user = L"HKEY_CURRENT_USER\\Software";
    // The location line, a block added at the end, the key named (none: restored).
    const std::wstring cases[][3] = {
        {entry, L"[" + user + L"\\Planted]", user + L"\\Planted"},
        {entry, L"[-" + user + L"\\Kept]", user + L"\\Kept"},
        {entry, L"[" + entry + L"2]", entry + L"2"},
        {entry, L"[" + classes + L"Directory\\shell]", classes + L"Directory\\shell"},
        {user, L"", user},
        {user + L"\\Classes\\CLSID\\{0}", L"", user + L"\\Classes\\CLSID\\{0}"},
        {ClassicMenuKeyName(), L"", entry},
        {entry, L"[hkey_local_machine\\software\\CLASSES\\*\\SHELL\\entry\\Planted]", L""},
    };
    const std::wstring registry = reg::Tree(HKEY_LOCAL_MACHINE, L"") + reg::Tree(HKEY_CURRENT_USER, L"");
    for (const auto& c : cases) {
        std::wstring text(reinterpret_cast<const wchar_t*>(original.data()), original.size() / 2);
        files::Write(saved.path, Utf16(text.replace(text.find(entry), entry.size(), c[0]) + c[1] + L"\r\n", false));
        const RestoreResult result = store.Restore(saved, sendTo.Path());
        EXPECT_EQ(c[2].empty() ? RestoreStep::None : RestoreStep::Checking, result.failedAt) << c[1];
        EXPECT_EQ(c[2], result.foreignKey);
        if (!c[2].empty()) { EXPECT_EQ(registry, reg::Tree(HKEY_LOCAL_MACHINE, L"") + reg::Tree(HKEY_CURRENT_USER, L"")); }
    }
    EXPECT_EQ(2u, store.List().size());   // only the one restored saved what it changed
}

// Of a file beyond any backup's size the list reads only the lines it shows;
// Restore refuses to read it.
TEST_F(BackupStoreTest, ListsButRefusesABackupFileBeyondTheLimit) {
    PutEntry(kMachine);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveClassesKey(BackupOperation::Remove, L"Entry", ClassesHalf::kMachine, kEntryPath));
    const FileHandle file(CreateFileW(store.List()[0].path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size;
    size.QuadPart = (64 << 20) + 1;   // sparse: nothing is written
    ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()));
    const Backup listed = store.List()[0];
    EXPECT_EQ(L"Entry", listed.entry);
    const RestoreResult result = store.Restore(listed, sendTo.Path());
    EXPECT_EQ(RestoreStep::Reading, result.failedAt);
    EXPECT_EQ(DWORD(ERROR_FILE_TOO_LARGE), result.error);
}
