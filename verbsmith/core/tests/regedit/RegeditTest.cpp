#include <gtest/gtest.h>
#include <shlwapi.h>
#include "../BackupTestValues.h"
#include "tests/support/RegistryTree.h"
#include "tests/support/TempFolder.h"
#include "verbsmith/core/BackupStore.h"

// The prefix's own regedit, a program we did not write, applies a backup
// file to the prefix's real registry (no sandbox here): it must leave the key
// as Restore does. The keys are our own and go again afterwards.
namespace {

DWORD RunRegedit(const std::wstring& file) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::wstring command = L"regedit.exe /s \"" + file + L"\"";
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

// regedit sets values through RegSetValueEx, which wants string data to end
// in its NUL: other string bytes come back exactly only through Restore
// (Wine's regedit adds a NUL, or garbles an odd byte count).
bool RegeditSetsExactly(const TestValue& value) {
    const std::string& data = value.data;
    const bool text = value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ;
    return !text || data.empty() || (data.size() % 2 == 0 && data.compare(data.size() - 2, 2, std::string(2, '\0')) == 0);
}

void Change(const std::wstring& key) {
    reg::SetDword(HKEY_CURRENT_USER, key, L"Flags", 1);
    reg::SetText(HKEY_CURRENT_USER, key, L"later", L"x");
    reg::SetText(HKEY_CURRENT_USER, key + L"\\later", L"", L"x");
}

class RegeditTest : public testing::TestWithParam<bool> {   // the key exists before the change
protected:
    ~RegeditTest() override { SHDeleteKeyW(HKEY_CURRENT_USER, top.c_str()); }

    // Below a location of the editor: Restore puts back nothing else.
    const std::wstring top = L"Software\\Classes\\*\\shell\\VantorelBackupTest" + std::to_wstring(GetCurrentProcessId());
    const std::wstring key = top + L"\\Entry";
};

}  // namespace

TEST_P(RegeditTest, LeavesTheKeyAsRestoreDoes) {
    if (GetParam()) {
        for (const TestValue& value : BackupTestValues()) {
            if (!RegeditSetsExactly(value)) continue;
            reg::SetRaw(HKEY_CURRENT_USER, key, value.name, value.type, value.data);
            reg::SetRaw(HKEY_CURRENT_USER, key + L"\\command", value.name, value.type, value.data);
        }
    }
    const std::wstring before = reg::Tree(HKEY_CURRENT_USER, key);
    TempFolder folder;
    const BackupStore store(folder.Path());
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.SaveKey(BackupOperation::Remove, L"Entry", L"HKEY_CURRENT_USER\\" + key));
    const std::vector<Backup> backups = store.List();
    ASSERT_EQ(1u, backups.size());

    Change(key);
    ASSERT_EQ(DWORD(0), RunRegedit(backups[0].path));
    const std::wstring byRegedit = reg::Tree(HKEY_CURRENT_USER, key);
    Change(key);
    ASSERT_EQ(DWORD(ERROR_SUCCESS), store.Restore(backups[0], folder.Path()).error);
    EXPECT_EQ(before, reg::Tree(HKEY_CURRENT_USER, key));
    EXPECT_EQ(before, byRegedit);
}

INSTANTIATE_TEST_SUITE_P(Keys, RegeditTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "Existing" : "Missing");
});
