#include <gtest/gtest.h>
#include "toolcrate/core/LauncherTexts.h"
#include "common/Handshake.h"
#include "toolcrate/core/ModuleLauncher.h"
#include "tests/support/ProgramFolder.h"
#include "framework/testkit/RecordingUi.h"
#include "framework/testkit/RecordingWrites.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

namespace {

const tstring kKey = handshake::kKey;
const tstring kValue = handshake::kValue;
const HWND kWindow = reinterpret_cast<HWND>(0x4711);

std::string Narrow(const tstring& text) { return std::string(text.begin(), text.end()); }

// Records what the launcher does to its window, in one log with the starts.
class FakeWindow : public LauncherWindow {
public:
    explicit FakeWindow(std::vector<std::string>& log) : log_(log) {}
    void Tell(const tstring& text, const tstring& caption) override {
        Ui().ShowMessage(kWindow, text, caption, MB_OK);
    }
    void Hide() override { log_.push_back("hide"); }
    void Restore() override { log_.push_back("restore"); }
    void StartLaunchTimer() override { log_.push_back("timer on"); }
    void StopLaunchTimer() override { log_.push_back("timer off"); }

private:
    std::vector<std::string>& log_;
};

// The recording double that also notes the handshake value at the start.
class StartLoggingUi : public RecordingUi {
public:
    explicit StartLoggingUi(std::vector<std::string>& log) : log_(log) {}
    DWORD ShellStartProcess(const ShellStart& start, HANDLE* process) override {
        log_.push_back("start, active=" + Narrow(reg::GetText(HKEY_LOCAL_MACHINE, kKey, kValue)));
        return RecordingUi::ShellStartProcess(start, process);
    }

private:
    std::vector<std::string>& log_;
};

class ModuleLauncherTest : public testing::Test {
protected:
    ModuleLauncherTest() { texts.Load(); }

    const SuiteModule& Module(const TCHAR* name) {
        for (const SuiteModule& module : SuiteModules)
            if (tstring(module.name) == name)
                return module;
        throw std::runtime_error("no such module");
    }
    void SetBackground(const TCHAR* module, const tstring& text) {
        reg::SetText(HKEY_LOCAL_MACHINE, Module(module).backgroundKey, _T("background control"),
                     text);
    }
    void ExpectStarted(const TCHAR* module) {
        EXPECT_EQ((std::vector<std::string>{"hide", "timer on", "start, active=x"}), log);
        ASSERT_EQ(1u, ui.shells.size());
        const ShellStart& start = ui.shells[0].start;
        EXPECT_TRUE(ui.shells[0].withProcess);
        EXPECT_EQ(nullptr, start.owner);
        EXPECT_EQ(_T("open"), start.verb);
        EXPECT_EQ(folder.Path() + Module(module).executable, start.file);
        EXPECT_EQ(_T(""), start.parameters);
        EXPECT_EQ(_T(""), start.directory);
        EXPECT_EQ(SW_SHOWNORMAL, start.show);
        EXPECT_TRUE(ui.messages.empty());
    }
    // Launches, then lets the "module" leave the value as given.
    void LaunchThenSetValue(const tstring& data) {
        launcher.LaunchModule(Module(_T("Diskscour")));
        reg::SetText(HKEY_LOCAL_MACHINE, kKey, kValue, data);
        log.clear();
    }
    void ExpectBackAndValueGone() {
        EXPECT_EQ((std::vector<std::string>{"restore", "timer off"}), log);
        EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kKey, kValue));
    }

    RegistrySandbox sandbox;
    ProgramFolder folder{TOOLCRATE_SOURCES, _T("toolcratetrl.ini")};
    std::vector<std::string> log;
    StartLoggingUi ui{log};
    FakeWindow window{log};
    PowerClass power;
    CTranslation texts{LauncherDialects()};
    ModuleLauncher launcher{window, power, texts, _T("Toolcrate")};
};

}  // namespace

TEST_F(ModuleLauncherTest, ActiveBackgroundControlRefusesTheStart) {
    for (const TCHAR* module : {_T("Tracebane"), _T("Bootkindle")}) {
        SetBackground(module, _T("active"));
        launcher.LaunchModule(Module(module));
    }
    ASSERT_EQ(2u, ui.messages.size());
    for (const RecordingUi::MessageCall& message : ui.messages) {
        EXPECT_EQ(texts.GetText(110) + _T("\n\n") + texts.GetText(115), message.text);
        EXPECT_EQ(_T("Toolcrate"), message.caption);
        EXPECT_EQ(kWindow, message.owner);
        EXPECT_EQ(static_cast<UINT>(MB_OK), message.type);
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(ui.shells.empty());
    EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, kKey));
}

TEST_F(ModuleLauncherTest, OnlyTheExactWordActiveRefuses) {
    for (const tstring& text : {tstring(_T("Active")), tstring(_T("active ")), tstring()}) {
        log.clear();
        ui.shells.clear();
        if (text.empty())
            RegDeleteKey(HKEY_LOCAL_MACHINE, Module(_T("Tracebane")).backgroundKey);
        else
            SetBackground(_T("Tracebane"), text);
        launcher.LaunchModule(Module(_T("Tracebane")));
        ExpectStarted(_T("Tracebane"));
    }
}

TEST_F(ModuleLauncherTest, StartWritesTheFixedValueBeforeStarting) {
    launcher.LaunchModule(Module(_T("Verbsmith")));
    ExpectStarted(_T("Verbsmith"));
    // "x", its zero byte and zero fill: 350 bytes in all.
    std::string expected(350, '\0');
    expected[0] = 'x';
    EXPECT_EQ(expected, reg::GetBytes(HKEY_LOCAL_MACHINE, kKey, kValue));
}

TEST_F(ModuleLauncherTest, ModulesWithoutBackgroundKeyIgnoreOthersValues) {
    SetBackground(_T("Tracebane"), _T("active"));
    launcher.LaunchModule(Module(_T("Cryptvale")));
    ExpectStarted(_T("Cryptvale"));
}

TEST_F(ModuleLauncherTest, ExactlyXKeepsWaiting) {
    LaunchThenSetValue(_T("x"));
    launcher.PollHandshake();
    launcher.PollHandshake();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(_T("x"), reg::GetText(HKEY_LOCAL_MACHINE, kKey, kValue));
}

// The module may delete under HKEY_CURRENT_USER too; only the value under
// HKEY_LOCAL_MACHINE ends the wait, and only that one is deleted.
TEST_F(ModuleLauncherTest, OnlyTheLocalMachineValueCounts) {
    launcher.LaunchModule(Module(_T("Verbsmith")));
    reg::SetText(HKEY_CURRENT_USER, kKey, kValue, _T("X"));
    log.clear();
    launcher.PollHandshake();   // the launcher's own 350-byte "x" still stands
    EXPECT_TRUE(log.empty());

    RegDeleteKeyValue(HKEY_LOCAL_MACHINE, kKey.c_str(), kValue.c_str());
    launcher.PollHandshake();
    ExpectBackAndValueGone();
    EXPECT_EQ(_T("X"), reg::GetText(HKEY_CURRENT_USER, kKey, kValue));
}

TEST_F(ModuleLauncherTest, AnythingButExactlyXEndsTheWait) {
    for (const tstring& data : {tstring(_T("X")), tstring(_T("x ")), tstring()}) {
        LaunchThenSetValue(data);
        launcher.PollHandshake();
        ExpectBackAndValueGone();
    }
}

TEST_F(ModuleLauncherTest, DeletedOrForeignTypedValueEndsTheWait) {
    launcher.LaunchModule(Module(_T("Diskscour")));
    RegDeleteKeyValue(HKEY_LOCAL_MACHINE, kKey.c_str(), kValue.c_str());
    log.clear();
    launcher.PollHandshake();
    ExpectBackAndValueGone();

    launcher.LaunchModule(Module(_T("Diskscour")));
    reg::SetDword(HKEY_LOCAL_MACHINE, kKey, kValue, 'x');
    log.clear();
    launcher.PollHandshake();
    ExpectBackAndValueGone();
}

// A module that ended without deleting the value must not keep the launcher
// hidden. The process handle stands in as an event: signalled is "ended".
TEST_F(ModuleLauncherTest, ModuleThatEndedWithoutClearingBringsTheLauncherBack) {
    HANDLE running = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    ui.QueueProcess(ERROR_SUCCESS, running);
    LaunchThenSetValue(_T("x"));
    launcher.PollHandshake();
    EXPECT_TRUE(log.empty());

    SetEvent(running);
    launcher.PollHandshake();
    ExpectBackAndValueGone();
}

TEST_F(ModuleLauncherTest, FailedStartComesBackAtOnceAndSaysWhich) {
    ui.QueueProcess(ERROR_FILE_NOT_FOUND);
    launcher.LaunchModule(Module(_T("Hivemop")));
    EXPECT_EQ((std::vector<std::string>{"hide", "timer on", "start, active=x", "restore",
                                        "timer off"}),
              log);
    EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kKey, kValue));
    ASSERT_EQ(1u, ui.messages.size());
    const tstring path = folder.Path() + _T("\\Hivemop\\hivemop.exe");
    EXPECT_EQ(FormatText(texts.GetText(launchertext::kStartFailed), {path}) + _T("\n\n") +
                  SystemErrorText(ERROR_FILE_NOT_FOUND),
              ui.messages[0].text);
    EXPECT_EQ(texts.GetText(5), ui.messages[0].caption);
    EXPECT_EQ(kWindow, ui.messages[0].owner);
}

// Without the value nothing would tell the launcher when the module closes:
// the module starts, the launcher stays in view and says why; a start that
// fails as well is reported as such.
TEST_F(ModuleLauncherTest, RefusedHandshakeWriteStartsTheModuleWithoutHiding) {
    const tstring notMarked = FormatText(texts.GetText(launchertext::kNotMarked),
                                         {tstring(_T("Verbsmith"))}) +
                              _T("\n\n") + SystemErrorText(ERROR_ACCESS_DENIED);
    const tstring notStarted = FormatText(texts.GetText(launchertext::kStartFailed),
                                          {folder.Path() + Module(_T("Verbsmith")).executable}) +
                               _T("\n\n") + SystemErrorText(ERROR_FILE_NOT_FOUND);
    for (const auto& row : {std::make_pair(DWORD{ERROR_SUCCESS}, notMarked),
                            std::make_pair(DWORD{ERROR_FILE_NOT_FOUND}, notStarted)}) {
        log.clear();
        ui.messages.clear();
        ui.QueueProcess(row.first);
        RecordingWrites writes;
        writes.changeError = ERROR_ACCESS_DENIED;
        launcher.LaunchModule(Module(_T("Verbsmith")));
        EXPECT_EQ(std::vector<std::string>{"start, active=<missing>"}, log);
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(row.second, ui.messages[0].text);
        EXPECT_EQ(texts.GetText(5), ui.messages[0].caption);
        EXPECT_EQ(kWindow, ui.messages[0].owner);
    }
}

TEST_F(ModuleLauncherTest, HelpOpensTheModulesHelpFileOnly) {
    launcher.OpenModuleHelp(Module(_T("Slicewise")));
    ASSERT_EQ(1u, ui.shells.size());
    EXPECT_FALSE(ui.shells[0].withProcess);
    EXPECT_EQ(_T("open"), ui.shells[0].start.verb);
    EXPECT_EQ(folder.Path() + _T("\\Slicewise\\help.chm"), ui.shells[0].start.file);
    EXPECT_EQ(nullptr, ui.shells[0].start.owner);
    EXPECT_EQ(SW_SHOWNORMAL, ui.shells[0].start.show);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, kKey));
}
