// Windows 11's classic context menu: offered from build 22000 on, switched by
// one key in the 64-bit view, every switch backed up in that view.
#include "BackupTestValues.h"
#include "CoreFixture.h"
#include "framework/testkit/RecordingWrites.h"
#include "tests/support/ForcedWindowsBuild.h"
#include "tests/support/RegistryTree.h"
#include "verbsmith/core/ClassicMenu.h"
#include "verbsmith/core/KeyNames.h"

namespace {

const TCHAR kClassKey[] = _T("Software\\Classes\\CLSID\\{86ca1aa0-34aa-4e8b-a509-50c905bae2a2}");

using ClassicMenuTest = CoreFixture;

}  // namespace

TEST(ClassicMenu, IsOfferedFromWindows11On) {
    for (const auto& [build, offered] : {std::pair<DWORD, bool>{0, false}, {19045, false},
                                         {21999, false}, {22000, true}, {26100, true}}) {
        const ForcedWindowsBuild system(build);
        EXPECT_EQ(offered, ClassicMenuOffered()) << build;
    }
}

// Only the key itself and what lies below it: a backup cannot name another
// key into the 64-bit view.
TEST(ClassicMenu, OnlyItsKeyIsSeenInThe64BitView) {
    const std::wstring key = L"HKEY_CURRENT_USER\\" + std::wstring(kClassKey), clsid = L"\\CLSID\\{86CA1AA0-34AA-4E8B-A509-50C905BAE2A2}";
    for (const auto& [name, view] : {std::pair<std::wstring, REGSAM>{key, KEY_WOW64_64KEY},
                                     {L"hkey_current_user\\SOFTWARE\\classes" + clsid + L"\\InprocServer32", KEY_WOW64_64KEY},
                                     {key + L"2", 0}, {L"HKEY_CURRENT_USER\\Software\\Classes\\CLSID", 0},
                                     {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes" + clsid, 0}})
        EXPECT_EQ(view, ViewOfKey(name)) << name;
}

TEST_F(ClassicMenuTest, OnAndOffAreBackedUpInThe64BitViewAndRestored) {
    ASSERT_TRUE(SwitchClassicMenu(host, true));
    EXPECT_TRUE(ClassicMenuOn());
    const tstring on = reg::Tree(HKEY_CURRENT_USER, kClassKey);
    EXPECT_EQ(_T(""), reg::GetText(HKEY_CURRENT_USER, tstring(kClassKey) + _T("\\InprocServer32"), _T("")));
    ASSERT_TRUE(SwitchClassicMenu(host, false));
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, kClassKey));

    const std::vector<Backup> saved = backups.List();
    ASSERT_EQ(2u, saved.size());
    EXPECT_EQ(BackupOperation::Remove, saved[0].operation);
    EXPECT_EQ(BackupOperation::Add, saved[1].operation);
    for (const Backup& backup : saved) {
        EXPECT_EQ(L"Classic menu", backup.entry);
        EXPECT_NE(std::string::npos, files::Read(backup.path).find(Utf16(L"\r\n; View: 64-bit\r\n", false)));
    }
    ASSERT_EQ(DWORD(ERROR_SUCCESS), backups.Restore(saved[0], sendTo.Path()).error);
    EXPECT_EQ(on, reg::Tree(HKEY_CURRENT_USER, kClassKey));
    ASSERT_EQ(DWORD(ERROR_SUCCESS), backups.Restore(saved[1], sendTo.Path()).error);
    EXPECT_FALSE(ClassicMenuOn());
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, kClassKey));
}

TEST_F(ClassicMenuTest, ARefusedSwitchIsToldAndLeavesNoBackup) {
    RecordingWrites writes;
    writes.changeError = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(SwitchClassicMenu(host, true));
    EXPECT_FALSE(ClassicMenuOn());
    EXPECT_TRUE(backups.List().empty());
    ASSERT_EQ(1u, host.told.size());
    EXPECT_EQ(0u, host.told[0].find(_T("Classic menu could not be changed.")));
}
