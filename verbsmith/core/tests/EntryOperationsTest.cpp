#include "CoreFixture.h"
#include "verbsmith/core/EntryOperations.h"
#include "common/RegistryPlace.h"
#include "verbsmith/core/EntryScan.h"
#include "verbsmith/core/SpecialEntries.h"
#include "verbsmith/core/EntryModel.h"
#include "framework/testkit/RecordingWrites.h"
#include "framework/SystemError.h"
#include "tests/support/ForcedElevation.h"
#include "tests/support/RegistryTree.h"
#include <functional>
#include <shellapi.h>

namespace {

const TCHAR kQuestion[] = _T("Remove the entry?\n\nIt cannot be undone.");
const TCHAR kHandlers[] = _T("AllFileSystemObjects\\shellex\\ContextMenuHandlers");

class EntryOperationsTest : public CoreFixture {
protected:
    // The entry as the main window keeps it.
    EntryRow Row(const tstring& name) {
        for (const EntryRow& row : ScanEntryList(power, translation))
            if (row.name == name)
                return row;
        ADD_FAILURE() << "no row named " << testing::PrintToString(name);
        return {};
    }
};

}  // namespace

TEST_F(EntryOperationsTest, DeactivateThenActivateRestoresTheExactValue) {
    const tstring key = tstring(kHandlers) + _T("\\Zip");
    SetDefault(key, _T("{E88DCCE0-B7B3-11d1-A9F0-00AA0060FA31}"));

    const std::optional<EntryRow> off = ToggleActivation(host, Row(_T("Zip")));
    ASSERT_TRUE(off.has_value());
    EXPECT_EQ(_T("-{E88DCCE0-B7B3-11d1-A9F0-00AA0060FA31}"), off->value);
    EXPECT_EQ(_T("-{E88DCCE0-B7B3-11d1-A9F0-00AA0060FA31}"), GetDefault(key));
    EXPECT_EQ(85, ActivationButtonText(*off));

    const std::optional<EntryRow> on = ToggleActivation(host, Row(_T("Zip")));
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(_T("{E88DCCE0-B7B3-11d1-A9F0-00AA0060FA31}"), GetDefault(key));
    EXPECT_EQ(on->value, GetDefault(key));
    EXPECT_EQ(80, ActivationButtonText(*on));
    EXPECT_TRUE(host.told.empty());
}

// The button may still be enabled from an earlier click while the keyboard
// selects another row: a value must not lose its first character.
TEST_F(EntryOperationsTest, ToggleLeavesAloneWhatIsNeitherHandlerNorVerb) {
    SetDefault(tstring(kHandlers) + _T("\\Odd"), _T("-(not a handler)"));
    links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("d"));

    EXPECT_FALSE(ToggleActivation(host, Row(_T("Odd"))).has_value());
    EXPECT_FALSE(ToggleActivation(host, Row(_T("Mail.lnk"))).has_value());
    // A handler value under a key path that is not the row's own.
    EXPECT_FALSE(ToggleActivation(host, MakeRow(_T("Zip"), _T("x"), _T("{A}"))).has_value());

    EXPECT_EQ(_T("-(not a handler)"), GetDefault(tstring(kHandlers) + _T("\\Odd")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Send To")));
    EXPECT_EQ(_T("<missing>"), GetDefault(_T("")));
}

TEST_F(EntryOperationsTest, RemovingAVerbDeletesItWithItsCommandAndLeavesItsSiblings) {
    SetDefault(_T("Drive\\shell\\Check"), _T("Check"));
    SetDefault(_T("Drive\\shell\\Check\\command"), _T("chkdsk.exe %1"));
    SetDefault(_T("Drive\\shell\\Check\\extra"), _T("below"));
    SetDefault(_T("Drive\\shell\\Clean\\command"), _T("cleanmgr.exe"));

    EXPECT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(_T("Check"))));

    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Drive\\shell\\Check")));
    EXPECT_EQ(_T("cleanmgr.exe"), GetDefault(_T("Drive\\shell\\Clean\\command")));
    EXPECT_EQ(tstrings{kQuestion}, host.asked);
    EXPECT_EQ(tstrings{_T("Entry removed.")}, host.told);
}

TEST_F(EntryOperationsTest, RemovingAHandlerDeletesOnlyItsKey) {
    SetDefault(tstring(kHandlers) + _T("\\One"), _T("{1}"));
    SetDefault(tstring(kHandlers) + _T("\\Two"), _T("{2}"));

    EXPECT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(_T("One"))));

    EXPECT_EQ(tstrings{_T("Two")}, reg::SubKeys(HKEY_CLASSES_ROOT, kHandlers));
}

TEST_F(EntryOperationsTest, RemoveAnsweredNoDeletesNothing) {
    SetDefault(_T("*\\shell\\Keep\\command"), _T("keep.exe"));
    host.answers.push_back(false);

    EXPECT_EQ(RemoveResult::Declined, RemoveEntry(host, Row(_T("Keep"))));

    EXPECT_EQ(_T("keep.exe"), GetDefault(_T("*\\shell\\Keep\\command")));
    EXPECT_EQ(tstrings{kQuestion}, host.asked);
    EXPECT_TRUE(host.told.empty());
}

// Only what the selected row names: a key path that is empty, belongs to
// another row or lies outside the listed locations deletes nothing.
TEST_F(EntryOperationsTest, RemoveRefusesKeyPathsThatAreNotTheRowsOwn) {
    SetDefault(_T("*\\shell\\A\\command"), _T("a.exe"));
    SetDefault(_T("*\\shell\\B\\command"), _T("b.exe"));
    SetDefault(_T("Software\\Important"), _T("data"));
    const EntryRow rows[] = {
        MakeRow(_T("A"), _T("All files"), _T("a.exe")),
        MakeRow(_T("A"), _T("All files"), _T("a.exe"), _T("*\\shell\\B\\command")),
        MakeRow(_T("Important"), _T("All files"), _T("data"), _T("Software\\Important")),
        MakeRow(_T(""), _T("All files"), _T(""), _T("*\\shell\\\\command")),
    };
    for (const EntryRow& row : rows)
        EXPECT_EQ(RemoveResult::Refused, RemoveEntry(host, row));

    EXPECT_EQ((tstrings{_T("A"), _T("B")}), reg::SubKeys(HKEY_CLASSES_ROOT, _T("*\\shell")));
    EXPECT_EQ(_T("data"), GetDefault(_T("Software\\Important")));
    EXPECT_TRUE(host.told.empty() && host.asked.empty());
}

TEST_F(EntryOperationsTest, RemovingASendToEntryDeletesOnlyItsFile) {
    links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("d"));
    files::Write(sendTo / _T("Other.lnk"), "x");

    EXPECT_EQ(RemoveResult::Removed, RemoveEntry(host, Row(_T("Mail.lnk"))));

    EXPECT_EQ(tstrings{_T("Other.lnk")}, files::List(sendTo.Path()));
}

TEST_F(EntryOperationsTest, RemovingASendToNameOutsideTheFolderIsRefused) {
    TempFolder outside;
    files::Write(outside / _T("victim.lnk"), "x");
    const tstring escape = _T("..\\") + outside.Path().substr(outside.Path().rfind(_T('\\')) + 1) +
                           _T("\\victim.lnk");

    EXPECT_EQ(RemoveResult::Refused,
              RemoveEntry(host, MakeRow(escape, kSendToText, _T("x"), _T("Send To"), EntryKind::kSendTo)));

    EXPECT_TRUE(files::Exists(outside / _T("victim.lnk")));
    EXPECT_EQ(tstrings{_T("Bad Send To name.")}, host.told);
    EXPECT_TRUE(host.asked.empty());
}

// The folder value went away after the list was built: the user hears why
// nothing happens, and is neither asked nor told the entry was removed.
TEST_F(EntryOperationsTest, RemovingASendToEntryWithoutTheFolderAsksNothing) {
    links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("d"));
    const EntryRow row = Row(_T("Mail.lnk"));
    reg::SetDword(HKEY_CURRENT_USER,
                  _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                  _T("SendTo"), 1);

    EXPECT_EQ(RemoveResult::Refused, RemoveEntry(host, row));

    EXPECT_EQ(tstrings{_T("Mail.lnk")}, files::List(sendTo.Path()));
    EXPECT_EQ(tstrings{_T("No Send To folder.")}, host.told);
    EXPECT_TRUE(host.asked.empty());
}

TEST_F(EntryOperationsTest, AddWritesTheVerbKeyAndItsCommandBelowTheTypesLocation) {
    const tstring locations[] = {_T("*\\shell"), _T("AllFileSystemObjects\\shell"), _T("Folder\\shell"),
                                 _T("SystemFileAssociations\\Directory.Audio\\shell"),
                                 _T("SystemFileAssociations\\Directory.Video\\shell"),
                                 _T("SystemFileAssociations\\Directory.Image\\shell"), _T("Drive\\shell")};
    for (int type = 1; type <= 7; ++type) {
        SCOPED_TRACE(type);
        EXPECT_TRUE(SaveEntry(host, {true, type, _T("Open with Tool"), _T("C:\\Tool\\tool.exe %1"), _T(""), {}}));
        const tstring verb = locations[type - 1] + _T("\\Open with Tool");
        EXPECT_EQ(_T("Open with Tool"), GetDefault(verb));
        EXPECT_EQ(_T("C:\\Tool\\tool.exe %1"), GetDefault(verb + _T("\\command")));
    }
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Directory")));
    EXPECT_EQ(tstrings(7, _T("Entry added.")), host.told);
}

TEST_F(EntryOperationsTest, OkRefusesAMissingNameValueOrType) {
    const EntryDraft drafts[] = {
        {true, 0, _T("Name"), _T("value.exe"), _T(""), {}},
        {true, -1, _T("Name"), _T("value.exe"), _T(""), {}},
        {true, 1, _T(""), _T("value.exe"), _T(""), {}},
        {true, 1, _T("Name"), _T(""), _T(""), {}},
        {false, 1, _T("Name"), _T(""), _T("*\\shell\\Name\\command"), {}},
    };
    for (const EntryDraft& draft : drafts)
        EXPECT_FALSE(SaveEntry(host, draft));

    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*")));
    EXPECT_TRUE(files::List(sendTo.Path()).empty());
    EXPECT_EQ(tstrings(5, _T("Name, value or type missing.")), host.told);
}

// A backslash would silently create nested keys below the location.
TEST_F(EntryOperationsTest, AddRefusesANameWithABackslash) {
    EXPECT_FALSE(SaveEntry(host, {true, 1, _T("Tools\\Open"), _T("tool.exe"), _T(""), {}}));

    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*")));
    EXPECT_EQ(tstrings{_T("No backslash in a name.")}, host.told);
}

TEST_F(EntryOperationsTest, EditRewritesOnlyTheDefaultValueAtTheKeyPath) {
    SetDefault(_T("Folder\\shell\\Tool"), _T("Shown Name"));
    SetDefault(_T("Folder\\shell\\Tool\\command"), _T("old.exe"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{OLD}"));

    EXPECT_TRUE(SaveEntry(host, {false, 3, _T("Tool"), _T("new.exe %1"), _T("Folder\\shell\\Tool\\command"), {}}));
    EXPECT_TRUE(SaveEntry(host, {false, 2, _T("Zip"), _T("{NEW}"), tstring(kHandlers) + _T("\\Zip"), {}}));

    EXPECT_EQ(_T("new.exe %1"), GetDefault(_T("Folder\\shell\\Tool\\command")));
    EXPECT_EQ(_T("Shown Name"), GetDefault(_T("Folder\\shell\\Tool")));
    EXPECT_EQ(_T("{NEW}"), GetDefault(tstring(kHandlers) + _T("\\Zip")));
    EXPECT_EQ(tstrings{_T("Tool")}, reg::SubKeys(HKEY_CLASSES_ROOT, _T("Folder\\shell")));
    EXPECT_EQ(tstrings(2, _T("Entry changed.")), host.told);
}

TEST_F(EntryOperationsTest, EditWithAKeyPathOfNoListedEntryWritesNothing) {
    EXPECT_FALSE(SaveEntry(host, {false, 1, _T("Tool"), _T("x.exe"), _T(""), {}}));
    EXPECT_FALSE(SaveEntry(host, {false, 1, _T("Tool"), _T("x.exe"), _T("Software\\Tool\\command"), {}}));

    EXPECT_EQ(_T("<missing>"), GetDefault(_T("")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Software")));
    EXPECT_TRUE(host.told.empty());
}

// Names and command lines beyond 8 bits, and longer than any fixed buffer,
// come back from the registry exactly.
TEST_F(EntryOperationsTest, WideAndLongTextsAreWrittenAndListedExactly) {
    const tstring name = L"\x00D6" L"ffnen mit \x03A9\x4E2D";
    const tstring command = L"C:\\Programme\\\x0444\x0430\x0439\x043B\\" + tstring(400, L'x') + L".exe %1";

    EXPECT_TRUE(SaveEntry(host, {true, 7, name, command, _T(""), {}}));

    EXPECT_EQ(name, GetDefault(_T("Drive\\shell\\") + name));
    EXPECT_EQ(command, GetDefault(_T("Drive\\shell\\") + name + _T("\\command")));
    const EntryRow row = Row(name);
    EXPECT_EQ(command, row.value);
    EXPECT_EQ(_T("Drive\\shell\\") + name + _T("\\command"), row.keyPath);
}

TEST_F(EntryOperationsTest, ExecuteStartsTheProgramWithItsArgumentsWithoutPlaceholders) {
    const tstring spaced = programFolder / _T("my tool.exe");
    files::Write(spaced, "MZ");
    const struct {
        tstring value, file, parameters;
    } cases[] = {
        {_T("notepad.exe %1"), _T("notepad.exe"), _T("")},
        {_T("\"C:\\my tool.exe\" %1 -x \"%1\" %2 %*"), _T("C:\\my tool.exe"), _T("-x")},
        {spaced + _T(" \"%L\" /n,\"%1\"  \"a b\""), spaced, _T("/n,\"%1\" \"a b\"")},
    };
    for (const auto& c : cases)
        ExecuteEntry(host, c.value);

    ASSERT_EQ(3u, host.started.size());
    for (size_t i = 0; i < 3; ++i) {
        const ShellStart& start = host.started[i];
        EXPECT_EQ(cases[i].file, start.file);
        EXPECT_EQ(cases[i].parameters, start.parameters);
        EXPECT_EQ(_T("open"), start.verb);
        EXPECT_EQ(_T(""), start.directory);
        EXPECT_EQ(SW_SHOWNORMAL, start.show);
    }
    EXPECT_TRUE(host.told.empty());
}

TEST_F(EntryOperationsTest, AFailedStartIsReportedWithTheSystemsReason) {
    const struct {
        INT_PTR result;
        DWORD error;
    } cases[] = {{SE_ERR_FNF, ERROR_FILE_NOT_FOUND}, {SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED},
                 {SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION}, {0, ERROR_NOT_ENOUGH_MEMORY},
                 {SE_ERR_SHARE, ERROR_SHARING_VIOLATION}, {SE_ERR_DDETIMEOUT, ERROR_DDE_FAIL}};
    tstrings expected;
    for (const auto& c : cases) {
        host.startResults.push_back(c.result);
        ExecuteEntry(host, _T("\"C:\\gone\\app.exe\" %1"));
        TCHAR reason[512] = {};
        ASSERT_GT(FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                c.error, 0, reason, 512, nullptr), 2u);
        // The system's text without its line end.
        expected.push_back(_T("Could not start:\n\nC:\\gone\\app.exe\n\n") +
                           tstring(reason, _tcscspn(reason, _T("\r\n"))));
    }

    EXPECT_EQ(expected, host.told);
}

TEST_F(EntryOperationsTest, ExecuteRefusesWhatCannotRun) {
    for (const TCHAR* value : {_T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"), _T("(no link target)"),
                               _T(""), _T(" %1"), _T("No REG_SZ"), _T("No REG_SZ %1"), _T("\"\" %1")})
        ExecuteEntry(host, value);

    EXPECT_TRUE(host.started.empty());
    EXPECT_EQ(tstrings(7, _T("Cannot run this entry.")), host.told);
}

// A new entry and Copy To land in the half chosen, and nowhere else.
TEST_F(EntryOperationsTest, AddAndCopyToLandInTheChosenHalfAlone) {
    for (const ClassesHalf half : {ClassesHalf::kUser, ClassesHalf::kMachine}) {
        const bool user = half == ClassesHalf::kUser;
        const HKEY root = user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        const HKEY other = user ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        const tstring otherBefore = reg::Tree(other, _T("Software\\Classes"));
        EntryDraft draft{true, 1, _T("Tool"), _T("tool.exe"), _T(""), {}};
        draft.half = half;
        EXPECT_TRUE(SaveEntry(host, draft));
        AddSpecialHandler(host, 1001, half);
        EXPECT_EQ(_T("tool.exe"), reg::GetText(root, _T("Software\\Classes\\*\\shell\\Tool\\command"), _T("")));
        EXPECT_TRUE(reg::KeyExists(root, _T("Software\\Classes\\") + tstring(SpecialHandlers[0].key)));
        EXPECT_EQ(otherBefore, reg::Tree(other, _T("Software\\Classes")));
    }
}

// A machine's entry that the user's key changes is edited and removed in the
// user's key: the machine's key stays as it was and shows through again.
TEST_F(EntryOperationsTest, EditAndRemoveActOnTheUsersKeyOfAChangedMachineEntry) {
    const tstring verb = _T("Software\\Classes\\*\\shell\\Both");
    reg::SetText(HKEY_LOCAL_MACHINE, verb + _T("\\command"), _T(""), _T("machine.exe"));
    reg::SetText(HKEY_CURRENT_USER, verb, _T(""), _T("Both"));
    const tstring machineBefore = reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes"));
    const EntryRow row = Row(_T("Both"));
    ASSERT_EQ(EntryScope::kMachineChangedForUser, row.scope);

    const std::optional<EditableValue> value = ReadEditableValue(host, row);
    ASSERT_TRUE(value.has_value());
    EntryDraft draft{false, 1, _T("Both"), _T("mine.exe"), row.keyPath, *value};
    draft.half = value->half;
    EXPECT_TRUE(SaveEntry(host, draft));
    EXPECT_EQ(_T("mine.exe"), reg::GetText(HKEY_CURRENT_USER, verb + _T("\\command"), _T("")));
    EXPECT_EQ(machineBefore, reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes")));

    EXPECT_EQ(RemoveResult::Removed, RemoveEntry(host, row));
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, verb));
    EXPECT_EQ(machineBefore, reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes")));
    EXPECT_EQ(EntryScope::kMachine, Row(_T("Both")).scope);
}

// Without rights a machine's handler is switched off for the user alone, by
// a copy of its key that Activate takes away again; a user's key that holds
// more than that copy keeps it and is written instead.
TEST_F(EntryOperationsTest, WithoutRightsAMachineHandlerIsDeactivatedForTheUserAlone) {
    const tstring key = _T("Software\\Classes\\") + tstring(kHandlers) + _T("\\Zip");
    reg::SetText(HKEY_LOCAL_MACHINE, key, _T(""), _T("{ZIP}"));
    const tstring machineBefore = reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes"));
    const ForcedElevation filtered(Elevation::kFilteredAdministrator);
    for (const bool userValue : {false, true}) {
        const std::optional<EntryRow> off = ToggleActivation(host, Row(_T("Zip")));
        ASSERT_TRUE(off.has_value());
        EXPECT_EQ(EntryScope::kMachineChangedForUser, off->scope);
        EXPECT_EQ(_T("-{ZIP}"), reg::GetText(HKEY_CURRENT_USER, key, _T("")));
        if (userValue)
            reg::SetText(HKEY_CURRENT_USER, key, _T("Mine"), _T("1"));
        const std::optional<EntryRow> on = ToggleActivation(host, Row(_T("Zip")));
        ASSERT_TRUE(on.has_value());
        EXPECT_EQ(_T("{ZIP}"), on->value);
        EXPECT_EQ(userValue ? EntryScope::kMachineChangedForUser : EntryScope::kMachine, on->scope);
        EXPECT_EQ(userValue, reg::KeyExists(HKEY_CURRENT_USER, key));
        EXPECT_EQ(on->scope, Row(_T("Zip")).scope);
        EXPECT_EQ(machineBefore, reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes")));
    }
}

// A verb is hidden by an empty "LegacyDisable" in its verb key: the
// machine's with rights, a user's copy holding only that value without them.
// Activate takes it away; the command and other values stay; the backups of
// both changes give back what they saved.
TEST_F(EntryOperationsTest, DeactivateHidesAVerbAndActivateOffersItAgain) {
    const tstring verb = _T("Software\\Classes\\Drive\\shell\\Check");
    reg::SetText(HKEY_LOCAL_MACHINE, verb + _T("\\command"), _T(""), _T("chkdsk.exe %1"));
    reg::SetText(HKEY_LOCAL_MACHINE, verb, _T("Icon"), _T("disk.ico"));
    const auto state = [&] { return reg::Tree(HKEY_LOCAL_MACHINE, verb) + reg::Tree(HKEY_CURRENT_USER, verb); };
    const auto restoreNewest = [&](BackupOperation operation) {
        for (const Backup& backup : backups.List())
            if (backup.operation == operation)
                return backups.Restore(backup, sendTo.Path()).error;
        return DWORD(ERROR_FILE_NOT_FOUND);
    };
    const tstring machineKey = reg::Tree(HKEY_LOCAL_MACHINE, verb);
    const tstring flag = _T("[] \"LegacyDisable\" type 1: 00 00 \n");   // an empty REG_SZ
    // usersKey: the user's key while hidden, without the flag.
    const struct { Elevation elevation; EntryScope scope; const TCHAR* usersKey; } cases[] = {
        {Elevation::kElevated, EntryScope::kMachine, _T("<missing>")},
        {Elevation::kStandardUser, EntryScope::kMachineChangedForUser, _T("[]\n")}};
    for (const auto& c : cases) {
        const ForcedElevation forced(c.elevation);
        const std::optional<EntryRow> off = ToggleActivation(host, Row(_T("Check")));
        ASSERT_TRUE(off.has_value());
        EXPECT_EQ(c.scope, off->scope);
        EXPECT_EQ(85, ActivationButtonText(*off));
        const tstring hidden = state();
        const size_t at = hidden.find(flag);
        ASSERT_NE(tstring::npos, at) << hidden;
        EXPECT_EQ(machineKey + c.usersKey, tstring(hidden).erase(at, flag.size()));

        const std::optional<EntryRow> on = ToggleActivation(host, Row(_T("Check")));
        ASSERT_TRUE(on.has_value());
        EXPECT_EQ(EntryScope::kMachine, on->scope);
        EXPECT_EQ(80, ActivationButtonText(*on));
        EXPECT_EQ(machineKey + _T("<missing>"), state());

        EXPECT_EQ(DWORD(ERROR_SUCCESS), restoreNewest(BackupOperation::Activate));
        EXPECT_EQ(hidden, state());
        EXPECT_EQ(DWORD(ERROR_SUCCESS), restoreNewest(BackupOperation::Deactivate));
        EXPECT_EQ(machineKey + _T("<missing>"), state());
    }
    EXPECT_TRUE(host.told.empty());
}

// Windows denies what Wine grants: every change that the system refuses is
// reported with the entry, its reason and the administrator hint, never with
// a success text, and the registry stays as it was.
TEST_F(EntryOperationsTest, EveryRefusedChangeIsReportedAndChangesNothing) {
    SetDefault(_T("*\\shell\\Edit\\command"), _T("notepad.exe %1"));
    SetDefault(tstring(kHandlers) + _T("\\Zip"), _T("{ZIP}"));
    const tstring before = reg::Tree(HKEY_CLASSES_ROOT, _T(""));
    // The entry each change names, and the change; true when it reported success.
    const std::pair<tstring, std::function<bool()>> changes[] = {
        {_T("Edit"), [&] { return RemoveEntry(host, Row(_T("Edit"))) == RemoveResult::Removed; }},
        {_T("Zip"), [&] { return ToggleActivation(host, Row(_T("Zip"))).has_value(); }},
        {_T("New"), [&] { return SaveEntry(host, {true, 1, _T("New"), _T("a.exe"), _T(""), {}}); }},
        {_T("Edit"), [&] {
             return SaveEntry(host, {false, 1, _T("Edit"), _T("b.exe"), _T("*\\shell\\Edit\\command"), {}});
         }},
    };
    for (const auto& change : changes) {
        host.told.clear();
        RecordingWrites writes;
        writes.changeError = ERROR_ACCESS_DENIED;
        EXPECT_FALSE(change.second());
        ASSERT_FALSE(host.told.empty());
        const tstring& report = host.told.back();
        EXPECT_EQ(0u, report.find(change.first + _T(" could not be changed."))) << report;
        EXPECT_NE(tstring::npos, report.find(SystemErrorText(ERROR_ACCESS_DENIED))) << report;
        EXPECT_NE(tstring::npos, report.find(_T("Needs administrator rights."))) << report;
        EXPECT_EQ(before, reg::Tree(HKEY_CLASSES_ROOT, _T("")));
        EXPECT_TRUE(backups.List().empty());   // no backup of a change that never was
    }
}

// A REG_EXPAND_SZ command (most of Windows' own) is edited as its text and
// keeps its type; OK on an unchanged value writes nothing; other types are
// refused before the dialog opens.
TEST_F(EntryOperationsTest, EditReadsTheValueByTypeAndWritesOnlyAChange) {
    const tstring key = _T("*\\shell\\Edit\\command");
    const tstring command = _T("%SystemRoot%\\notepad.exe \"%1\"");
    reg::SetRaw(HKEY_CLASSES_ROOT, key, _T(""), REG_EXPAND_SZ,
                std::string(reinterpret_cast<const char*>(command.c_str()), (command.size() + 1) * 2));
    reg::SetDword(HKEY_CLASSES_ROOT, _T("*\\shell\\Flags\\command"), _T(""), 7);
    const EntryRow row = Row(_T("Edit"));
    EXPECT_EQ(_T("No REG_SZ"), row.value);

    const std::optional<EditableValue> value = ReadEditableValue(host, row);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(command, value->text);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), value->type);
    EXPECT_TRUE(SaveEntry(host, {false, 1, _T("Edit"), command, key, *value}));
    EXPECT_TRUE(host.told.empty());

    EXPECT_TRUE(SaveEntry(host, {false, 1, _T("Edit"), command + _T(" /x"), key, *value}));
    const std::optional<RegistryValue> stored = registry::ReadValue({HKEY_CLASSES_ROOT, key}, _T(""));
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), stored->type);
    EXPECT_EQ(command + _T(" /x"), stored->text);

    EXPECT_FALSE(ReadEditableValue(host, Row(_T("Flags"))).has_value());
    EXPECT_EQ((tstrings{_T("Entry changed."), _T("Not a text: REG_DWORD")}), host.told);
}
