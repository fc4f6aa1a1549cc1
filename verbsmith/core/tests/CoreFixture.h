#pragma once
// What every core test runs in: a sandboxed registry (its HKEY_CLASSES_ROOT
// the sandbox machine's classes, as under Wine), a program folder with a
// small language file (the translator reads it), an empty Send To folder that
// the sandboxed "Shell Folders" key names, a backup store of its own and a
// host that records what the operations tell and ask.
#include <gtest/gtest.h>
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryScan.h"
#include "tests/support/MachineClassesSandbox.h"
#include "verbsmith/core/EditorBackups.h"
#include "tests/support/TempFolder.h"
#include "verbsmith/core/EditorHost.h"
#include <deque>

// The window as the operations see it: every message and question in order,
// and every program start. Questions are answered from answers (Yes when
// empty), starts from startResults (success when empty).
class RecordingHost : public EditorHost {
public:
    explicit RecordingHost(const CTranslation& texts) : texts_(texts) {}
    using EditorHost::Tell;
    tstring Text(int number) const override { return texts_.GetText(number); }
    void Tell(const tstring& text) override { told.push_back(text); }
    bool Ask(const tstring& question) override;
    INT_PTR Start(const ShellStart& start) override;

    tstrings told;
    tstrings asked;
    std::vector<ShellStart> started;
    std::deque<bool> answers;
    std::deque<INT_PTR> startResults;

private:
    const CTranslation& texts_;
};

class CoreFixture : public ::testing::Test {
protected:
    CoreFixture();
    ~CoreFixture() override;

    // The texts of the test language file.
    static const TCHAR kSendToText[];       // 27
    static const TCHAR kUnreadableText[];   // 28

    // Points the "Shell Folders" value "SendTo" at the Send To folder.
    void NameSendToFolder(const tstring& path);
    // Creates a key below HKEY_CLASSES_ROOT with a REG_SZ default value.
    static void SetDefault(const tstring& key, const tstring& value);
    static tstring GetDefault(const tstring& key);
    // A row as the scan would make it, from its parts.
    static EntryRow MakeRow(const tstring& name, const tstring& category, const tstring& value,
                            const tstring& keyPath = tstring(),
                            EntryKind kind = EntryKind::kShell);

    MachineClassesSandbox sandbox;
    TempFolder programFolder;
    TempFolder sendTo;
    TempFolder backupFolder;
    BackupStore backups{backupFolder.Path()};
    PowerClass power;
    CTranslation translation{EditorDialects()};
    RecordingHost host{translation};
};

// Independent shell-link access for checks: plain COM, not PowerClass.
namespace links {
void Create(const tstring& linkPath, const tstring& target, const tstring& description);
void CreateWithDetails(const tstring& linkPath, const tstring& target, const tstring& arguments,
                       const tstring& folder, const tstring& icon, const tstring& description);
// "target|arguments|folder|icon,index|description"; empty when unreadable.
tstring Details(const tstring& linkPath);
tstring Target(const tstring& linkPath);        // empty when unreadable
tstring Description(const tstring& linkPath);
}
