#include "CoreFixture.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/EntryScan.h"
#include <map>
#include <string>

namespace {

const TCHAR kAllFilesHandlers[] = _T("*\\shellex\\ContextMenuHandlers");

class EntryScanTest : public CoreFixture {};

tstrings KeyPaths(const EntryList& list) {
    tstrings paths;
    for (const EntryRow& row : list)
        paths.push_back(row.keyPath);
    return paths;
}

// The registry locations in the order the list shows them, with their
// category and image, written out here independently of the table.
struct ExpectedLocation {
    const TCHAR* path;
    const TCHAR* category;
    int icon;
};
const ExpectedLocation kRegistryLocations[] = {
    {_T("*\\shell"), _T("All files"), 6},
    {_T("*\\shellex\\ContextMenuHandlers"), _T("All files"), 6},
    {_T("AllFileSystemObjects\\shell"), _T("File system objects"), 2},
    {_T("AllFileSystemObjects\\shellex\\ContextMenuHandlers"), _T("File system objects"), 2},
    {_T("Folder\\shell"), _T("Folders"), 3},
    {_T("Folder\\shellex\\ContextMenuHandlers"), _T("Folders"), 3},
    {_T("Directory\\shell"), _T("Folders"), 3},
    {_T("Directory\\shellex\\ContextMenuHandlers"), _T("Folders"), 3},
    {_T("SystemFileAssociations\\Directory.Audio\\shell"), _T("Audio folders"), 4},
    {_T("SystemFileAssociations\\Directory.Audio\\shellex\\ContextMenuHandlers"), _T("Audio folders"), 4},
    {_T("SystemFileAssociations\\Directory.Video\\shell"), _T("Video folders"), 5},
    {_T("SystemFileAssociations\\Directory.Video\\shellex\\ContextMenuHandlers"), _T("Video folders"), 5},
    {_T("SystemFileAssociations\\Directory.Image\\shell"), _T("Image folders"), 0},
    {_T("SystemFileAssociations\\Directory.Image\\shellex\\ContextMenuHandlers"), _T("Image folders"), 0},
    {_T("Drive\\shell"), _T("Drives"), 1},
    {_T("Drive\\shellex\\ContextMenuHandlers"), _T("Drives"), 1},
};

}  // namespace

// One entry in every location but "AllFileSystemObjects\shell", which lies
// between two present ones, each pair of locations in the other half of
// HKEY_CLASSES_ROOT. The entries are written in reverse order, so the list
// order cannot come from the order of writing or from the halves.
TEST_F(EntryScanTest, ListsAllLocationsInTableOrderAndSkipsAMissingOne) {
    links::Create(sendTo / _T("Editor.lnk"), _T("C:\\Tools\\editor.exe"), _T("d"));
    std::vector<EntryRow> expected = {MakeRow(_T("Editor.lnk"), kSendToText, _T("C:\\Tools\\editor.exe"))};
    expected[0].iconIndex = 7;
    tstrings expectedPaths = {_T("Send To")};
    const size_t missing = 2;
    for (size_t i = 0; i < 16; ++i) {
        if (i == missing)
            continue;
        const tstring path = kRegistryLocations[i].path;
        const tstring name = _T("entry") + std::to_wstring(i);
        const tstring value = _T("value ") + std::to_wstring(i);
        const bool handler = i % 2 == 1;
        const tstring keyPath = path + _T("\\") + name + (handler ? _T("") : _T("\\command"));
        expected.push_back(MakeRow(name, kRegistryLocations[i].category, value));
        expected.back().iconIndex = kRegistryLocations[i].icon;
        expected.back().kind = handler ? EntryKind::kHandler : EntryKind::kShell;
        expectedPaths.push_back(keyPath);
    }
    for (size_t i = expected.size(); i-- > 1;)
        reg::SetText(i % 4 < 2 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                     _T("Software\\Classes\\") + expectedPaths[i], _T(""), expected[i].value);

    const EntryList list = ScanEntryList(power, translation);

    ASSERT_EQ(16u, list.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].name, list[i].name);
        EXPECT_EQ(expected[i].category, list[i].category);
        EXPECT_EQ(expected[i].value, list[i].value);
        EXPECT_EQ(expected[i].iconIndex, list[i].iconIndex);
        EXPECT_EQ(i == 0 ? EntryKind::kSendTo : expected[i].kind, list[i].kind);
        EXPECT_EQ(i % 4 < 2 ? EntryScope::kUser : EntryScope::kMachine, list[i].scope);
    }
    EXPECT_EQ(expectedPaths, KeyPaths(list));
}

TEST_F(EntryScanTest, ShowsWhatTheDefaultValuesHold) {
    reg::SetDword(HKEY_CLASSES_ROOT, _T("*\\shell\\dword\\command"), _T(""), 7);
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\nocommand"), _T(""), _T("nocommand"));
    reg::SetText(HKEY_CLASSES_ROOT, _T("*\\shell\\novalue\\command"), _T("other"), _T("x"));
    SetDefault(tstring(kAllFilesHandlers) + _T("\\Off"), _T("-{1234}"));

    const EntryList list = ScanEntryList(power, translation);

    ASSERT_EQ(4u, list.size());
    EXPECT_EQ(_T("dword"), list[0].name);
    EXPECT_EQ(_T("No REG_SZ"), list[0].value);
    EXPECT_EQ(_T("nocommand"), list[1].name);
    EXPECT_EQ(_T(""), list[1].value);
    EXPECT_EQ(_T("*\\shell\\nocommand\\command"), list[1].keyPath);
    EXPECT_EQ(_T(""), list[2].value);
    EXPECT_EQ(_T("-{1234}"), list[3].value);
    EXPECT_EQ(_T("*\\shellex\\ContextMenuHandlers\\Off"), list[3].keyPath);
}

// "LegacyDisable" of any type in a verb key hides the verb, also when only
// the user's copy of a machine's verb holds it; in a command key or a
// handler's key it hides nothing.
TEST_F(EntryScanTest, MarksVerbsHiddenByLegacyDisableInTheirVerbKey) {
    const tstring classes = _T("Software\\Classes\\");
    reg::SetDword(HKEY_LOCAL_MACHINE, classes + _T("*\\shell\\Dword"), _T("LegacyDisable"), 0);
    reg::SetText(HKEY_LOCAL_MACHINE, classes + _T("*\\shell\\Mine\\command"), _T(""), _T("m.exe"));
    reg::SetText(HKEY_CURRENT_USER, classes + _T("*\\shell\\Mine"), _T("LegacyDisable"), _T(""));
    reg::SetText(HKEY_LOCAL_MACHINE, classes + _T("*\\shell\\Shown\\command"), _T("LegacyDisable"), _T(""));
    reg::SetText(HKEY_LOCAL_MACHINE, classes + kAllFilesHandlers + _T("\\Zip"), _T("LegacyDisable"), _T(""));

    std::map<tstring, bool> hidden;
    for (const EntryRow& row : ScanEntryList(power, translation))
        hidden[row.name] = row.hidden;

    EXPECT_EQ((std::map<tstring, bool>{{_T("Dword"), true}, {_T("Mine"), true}, {_T("Shown"), false},
                                        {_T("Zip"), false}}), hidden);
}

TEST_F(EntryScanTest, SendToFolderListsFilesAndNotPlainSubFoldersOrDesktopIni) {
    links::Create(sendTo / _T("Notes.lnk"), _T("C:\\Windows\\notepad.exe"), _T("d"));
    files::Write(sendTo / _T("desktop.ini"), "[.ShellClassInfo]\r\n");
    files::Write(sendTo / _T("readme.txt"), "not a link");
    ASSERT_TRUE(CreateDirectory((sendTo / _T("Plain")).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectory((sendTo / _T("Hidden")).c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributes((sendTo / _T("Hidden")).c_str(),
                                  FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_NE(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributes((sendTo / _T("Hidden")).c_str()));

    EntryList list;
    ScanLocation(power, translation, _T("SendTo"), _T("ignored"), 3, list);

    std::map<tstring, tstring> values;
    for (const EntryRow& row : list) {
        values[row.name] = row.value;
        EXPECT_EQ(row.value == kUnreadableText, row.unreadableLink);
        EXPECT_EQ(kSendToText, row.category);
        EXPECT_EQ(EntryScope::kUser, row.scope);
        EXPECT_EQ(7, row.iconIndex);
    }
    const std::map<tstring, tstring> expected = {{_T("Hidden"), kUnreadableText},
                                                 {_T("Notes.lnk"), _T("C:\\Windows\\notepad.exe")},
                                                 {_T("readme.txt"), kUnreadableText}};
    EXPECT_EQ(expected, values);
    EXPECT_EQ(tstrings(list.size(), _T("Send To")), KeyPaths(list));
}

// desktop.ini is skipped by its exact name only. (Both spellings cannot lie
// side by side here: the file system ignores case.)
TEST_F(EntryScanTest, DesktopIniInCapitalsIsListed) {
    files::Write(sendTo / _T("DESKTOP.INI"), "[.ShellClassInfo]\r\n");

    const EntryList list = ScanEntryList(power, translation);

    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(_T("DESKTOP.INI"), list[0].name);
    EXPECT_EQ(kUnreadableText, list[0].value);
}

// Without the folder value the search must not fall back to the root of the
// drive or the current folder.
TEST_F(EntryScanTest, NothingToListGivesAnEmptyListAndCountZero) {
    reg::SetText(HKEY_CURRENT_USER,
                 _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                 _T("Other"), _T("x"));
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyEx(HKEY_CURRENT_USER,
                           _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                           0, KEY_SET_VALUE, &key));
    RegDeleteValue(key, _T("SendTo"));
    RegCloseKey(key);
    SetCurrentDirectory(sendTo.Path().c_str());
    files::Write(sendTo / _T("would-be-listed.lnk"), "x");

    const EntryList list = ScanEntryList(power, translation);

    EXPECT_TRUE(list.empty());
    EXPECT_EQ(_T("0 entries (%s, 100%)"), CountLine(translation, list.size()));
}

TEST_F(EntryScanTest, TwoScansGiveTheSameRowsAndParallelKeyPaths) {
    SetDefault(_T("Drive\\shell\\Check\\command"), _T("chkdsk.exe %1"));
    SetDefault(_T("Drive\\shell\\Clean\\command"), _T("cleanmgr.exe"));
    SetDefault(_T("Folder\\shellex\\ContextMenuHandlers\\Zip"), _T("{ABC}"));
    links::Create(sendTo / _T("Mail.lnk"), _T("C:\\mail.exe"), _T("d"));

    const EntryList first = ScanEntryList(power, translation);
    const EntryList second = ScanEntryList(power, translation);

    ASSERT_EQ(4u, first.size());
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].name, second[i].name);
        EXPECT_EQ(first[i].value, second[i].value);
    }
    EXPECT_EQ(KeyPaths(first), KeyPaths(second));
    EXPECT_EQ(_T("4 entries (%s, 100%)"), CountLine(translation, second.size()));
}

TEST(EntryModel, HandlerLocationsAreThoseWithShellexInTheirText) {
    EXPECT_EQ(_T("Drive\\shell\\a\\command"), EntryKeyPath(_T("Drive\\shell"), _T("a")));
    EXPECT_EQ(_T("X\\shellexmore\\a"), EntryKeyPath(_T("X\\shellexmore"), _T("a")));
    EXPECT_EQ(_T("X\\ShellEx\\a\\command"), EntryKeyPath(_T("X\\ShellEx"), _T("a")));
}

TEST(EntryModel, KeyPathsLeadBackToTheirLocationOnlyForTheirOwnName) {
    const Location* location = LocationOfEntry(_T("Folder\\shell\\a\\command"), _T("a"));
    ASSERT_NE(nullptr, location);
    EXPECT_EQ(tstring(_T("Folder\\shell")), location->path);
    EXPECT_EQ(nullptr, LocationOfEntry(_T("Folder\\shell\\a\\command"), _T("b")));
    EXPECT_EQ(nullptr, LocationOfEntry(_T("Folder\\shell\\a"), _T("a")));
    EXPECT_EQ(nullptr, LocationOfEntry(_T(""), _T("")));
    EXPECT_EQ(nullptr, LocationOfEntry(_T("Send To"), _T("Send To")));
    EXPECT_EQ(nullptr, LocationOfEntry(_T("Folder\\shell\\a\\b\\command"), _T("a\\b")));
    EXPECT_EQ(nullptr, LocationOfEntry(_T("Software\\shell\\a\\command"), _T("a")));
}

TEST(EntryModel, OnlyHandlerValuesToggle) {
    EXPECT_EQ(_T("-{A}"), ToggledHandlerValue(_T("{A}")));
    EXPECT_EQ(_T("{A}"), ToggledHandlerValue(_T("-{A}")));
    EXPECT_EQ(_T("-x{A}"), ToggledHandlerValue(_T("-x{A}")));
    EXPECT_EQ(_T(""), ToggledHandlerValue(_T("")));
    EXPECT_FALSE(IsDeactivatedHandlerValue(_T("-(A)")));
}
