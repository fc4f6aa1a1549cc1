#include "CoreFixture.h"
#include "framework/Handles.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/EntryScan.h"
#include "verbsmith/core/SpecialEntries.h"
#include <algorithm>

namespace {

const TCHAR kCopyToId[] = _T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}");
const TCHAR kMoveToId[] = _T("{C2FBB631-2971-11D1-A18C-00C04FD75D13}");
const TCHAR kHandlers[] = _T("AllFileSystemObjects\\shellex\\ContextMenuHandlers");

class SpecialEntriesTest : public CoreFixture {
protected:
    tstrings SortedSendToFiles() const {
        tstrings names = files::List(sendTo.Path());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace

TEST_F(SpecialEntriesTest, CopyToPressedTwiceGivesOneHandlerRow) {
    AddSpecialHandler(host, 1001, ClassesHalf::kMachine);
    AddSpecialHandler(host, 1001, ClassesHalf::kMachine);

    EXPECT_EQ(kCopyToId, GetDefault(tstring(kHandlers) + _T("\\Copy To")));
    const EntryList list = ScanEntryList(power, translation);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(_T("Copy To"), list[0].name);
    EXPECT_EQ(_T("File system objects"), list[0].category);
    EXPECT_EQ(kCopyToId, list[0].value);
    EXPECT_EQ(2, list[0].iconIndex);
    EXPECT_EQ(tstring(kHandlers) + _T("\\Copy To"), list[0].keyPath);
    EXPECT_EQ(tstrings(2, _T("Entry added.")), host.told);
}

TEST_F(SpecialEntriesTest, MoveToOverADeactivatedMoveToActivatesIt) {
    SetDefault(tstring(kHandlers) + _T("\\Move To"), tstring(_T("-")) + kMoveToId);

    AddSpecialHandler(host, 1002, ClassesHalf::kMachine);

    EXPECT_EQ(kMoveToId, GetDefault(tstring(kHandlers) + _T("\\Move To")));
    EXPECT_EQ(tstrings{_T("Move To")}, reg::SubKeys(HKEY_CLASSES_ROOT, kHandlers));
}

TEST_F(SpecialEntriesTest, OnlyTheTwoButtonsRegisterAnything) {
    AddSpecialHandler(host, 1003, ClassesHalf::kMachine);

    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("AllFileSystemObjects")));
    EXPECT_TRUE(host.told.empty());
}

// ".lnk" is appended unless the name ends in exactly ".lnk" or ".LNK".
TEST_F(SpecialEntriesTest, NewSendToShortcutsEndInLnk) {
    const TCHAR* const names[] = {_T("Plain"), _T("Upper.LNK"), _T("Mixed.Lnk"), _T("Lower.lnk"),
                                  _T("lnk")};
    for (const TCHAR* name : names)
        EXPECT_TRUE(SaveEntry(host, {true, 8, name, _T("C:\\Tools\\tool.exe"), _T(""), {}}));

    EXPECT_EQ((tstrings{_T("Lower.lnk"), _T("Mixed.Lnk.lnk"), _T("Plain.lnk"), _T("Upper.LNK"),
                        _T("lnk.lnk")}),
              SortedSendToFiles());
    EXPECT_EQ(_T("C:\\Tools\\tool.exe"), links::Target(sendTo / _T("Mixed.Lnk.lnk")));
    EXPECT_EQ(_T("Made by the editor"), links::Description(sendTo / _T("Upper.LNK")));
    EXPECT_EQ(tstrings(5, _T("Entry added.")), host.told);
}

// Only the target changes; a replace that fails leaves the old link whole.
TEST_F(SpecialEntriesTest, ReplacingChangesOnlyTheTargetAndNeverLosesTheLink) {
    const tstring link = sendTo / _T("Tool.lnk");
    links::CreateWithDetails(link, _T("C:\\Old\\old.exe"), _T("/fast \"%1\""), _T("C:\\Work"),
                             _T("C:\\Icons\\tool.ico"), _T("old description"));
    const tstring before = links::Details(link);
    const EntryDraft edit = {false, 8, _T("Tool.lnk"), _T("C:\\New\\new.exe"), _T("Send To"),
                             {_T("C:\\Old\\old.exe"), REG_SZ}};

    {
        // Readable (its backup is made) but not replaceable.
        const FileHandle holder(CreateFile(link.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_FALSE(SaveEntry(host, edit));
    }
    EXPECT_EQ(before, links::Details(link));
    EXPECT_EQ(tstrings{_T("Tool.lnk")}, files::List(sendTo.Path()));

    EXPECT_TRUE(SaveEntry(host, edit));
    EXPECT_EQ(_T("C:\\New\\new.exe|/fast \"%1\"|C:\\Work|C:\\Icons\\tool.ico,2|old description"),
              links::Details(link));
    ASSERT_EQ(2u, host.told.size());
    EXPECT_EQ(0u, host.told[0].find(_T("Tool.lnk could not be changed")));
    EXPECT_EQ(_T("Entry changed."), host.told[1]);
}

// The listed file keeps its place; the new link gets the ".lnk" name.
TEST_F(SpecialEntriesTest, EditingAnEntryListedWithoutLnkCreatesANewLink) {
    files::Write(sendTo / _T("Site.url"), "[InternetShortcut]\r\nURL=http://example.org/\r\n");

    EXPECT_TRUE(ReplaceSendToShortcut(host, _T("Site.url"), _T("C:\\b.exe")));

    EXPECT_EQ((tstrings{_T("Site.url"), _T("Site.url.lnk")}), SortedSendToFiles());
    EXPECT_EQ(_T("C:\\b.exe"), links::Target(sendTo / _T("Site.url.lnk")));
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://example.org/\r\n", files::Read(sendTo / _T("Site.url")));
}

TEST_F(SpecialEntriesTest, NamesThatLeaveTheFolderAreRefused) {
    TempFolder outside;
    files::Write(outside / _T("victim.lnk"), "keep");
    const tstring outsideName = outside.Path().substr(outside.Path().rfind(_T('\\')) + 1);
    const tstring escape = _T("..\\") + outsideName + _T("\\victim");
    const tstring names[] = {escape, escape + _T(".lnk"), _T("sub/x"), _T("."), _T(".."), _T("C:x.lnk")};
    for (const tstring& name : names) {
        SCOPED_TRACE(testing::PrintToString(name));
        EXPECT_FALSE(SaveEntry(host, {true, 8, name, _T("C:\\x.exe"), _T(""), {}}));
        EXPECT_FALSE(ReplaceSendToShortcut(host, name, _T("C:\\x.exe")));
        EXPECT_FALSE(DeleteSendToShortcut(host, name));
    }

    EXPECT_EQ("keep", files::Read(outside / _T("victim.lnk")));
    EXPECT_EQ(tstrings{_T("victim.lnk")}, files::List(outside.Path()));
    EXPECT_TRUE(files::List(sendTo.Path()).empty());
    EXPECT_EQ(tstrings(18, _T("Bad Send To name.")), host.told);
}

// Without the folder value a link would land in the root of the drive.
TEST_F(SpecialEntriesTest, WithoutASendToFolderNothingIsWritten) {
    reg::SetDword(HKEY_CURRENT_USER,
                  _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                  _T("SendTo"), 1);
    SetCurrentDirectory(sendTo.Path().c_str());

    EXPECT_FALSE(SaveEntry(host, {true, 8, _T("Tool"), _T("C:\\x.exe"), _T(""), {}}));
    EXPECT_FALSE(DeleteSendToShortcut(host, _T("Tool.lnk")));

    EXPECT_TRUE(files::List(sendTo.Path()).empty());
    EXPECT_EQ(tstrings(2, _T("No Send To folder.")), host.told);
}

TEST_F(SpecialEntriesTest, DeleteRemovesTheFileExactlyAsListed) {
    files::Write(sendTo / _T("Tool"), "no extension");
    files::Write(sendTo / _T("Tool.lnk"), "other");

    EXPECT_TRUE(DeleteSendToShortcut(host, _T("Tool")));

    EXPECT_EQ(tstrings{_T("Tool.lnk")}, files::List(sendTo.Path()));
}
