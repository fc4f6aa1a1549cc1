#include "toolcrate/core/ModuleLauncher.h"
#include "common/Handshake.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "framework/UiSeam.h"

namespace {
// Kind 0 writes and deletes under HKEY_LOCAL_MACHINE; kind 2 reads there.
const int kWriteLocalMachine = 0;
const int kReadLocalMachine = PowerClass::kLocalMachine;
const TCHAR kBackgroundValue[] = _T("background control");
const TCHAR kBackgroundActive[] = _T("active");
const int kBackgroundTexts[] = {110, 115};
const int kMessageCaptionText = 5;

ShellStart OpenVerb(const tstring& file) {
    ShellStart start;
    start.verb = _T("open");
    start.file = file;
    start.show = SW_SHOWNORMAL;
    return start;
}
}  // namespace

ModuleLauncher::ModuleLauncher(LauncherWindow& window, PowerClass& power,
                               const CTranslation& texts, const tstring& appName)
    : window_(window), power_(power), texts_(texts), appName_(appName) {}

void ModuleLauncher::LaunchModule(const SuiteModule& module) {
    if (BackgroundActive(module)) {
        const tstring text = FormatText(_T("%s\n\n%s"), {texts_.GetText(kBackgroundTexts[0]),
                                                          texts_.GetText(kBackgroundTexts[1])});
        Ui().ShowMessage(window_.Owner(), text, appName_, MB_OK);
        return;
    }
    // The value is in place before the module can look for it and before the
    // launcher steps aside: without it the first tick would bring the
    // launcher back at once, so it stays visible and says why instead.
    power_.subKey = handshake::kKey;
    const WriteResult marked =
        power_.WriteRegistryFixed(kWriteLocalMachine, handshake::kValue, handshake::kRunning);
    const tstring path = power_.GetProgramFolder() + module.executable;
    if (marked)
        StartAndWait(path);
    else
        StartWithoutWaiting(module, path, marked.error);
}

void ModuleLauncher::PollHandshake() {
    if (!ModuleStillRunning())
        EndWait();
}

void ModuleLauncher::OpenModuleHelp(const SuiteModule& module) const {
    Ui().Shell(OpenVerb(power_.GetProgramFolder() + module.helpFile));
}

bool ModuleLauncher::BackgroundActive(const SuiteModule& module) const {
    if (module.backgroundKey[0] == 0)
        return false;
    power_.subKey = module.backgroundKey;
    return power_.ReadRegistryText(kReadLocalMachine, kBackgroundValue) == kBackgroundActive;
}

bool ModuleLauncher::ModuleStillRunning() const {
    power_.subKey = handshake::kKey;
    if (power_.ReadRegistryText(kReadLocalMachine, handshake::kValue) != handshake::kRunning)
        return false;
    return !process_ || WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0;
}

void ModuleLauncher::StartAndWait(const tstring& path) {
    window_.Hide();
    window_.StartLaunchTimer();
    if (!Ui().ShellStartProcess(OpenVerb(path), process_.Receive())) {
        // Nothing would ever delete the value: come back at once and say why.
        EndWait();
        ShowStartFailure(path);
    }
}

void ModuleLauncher::StartWithoutWaiting(const SuiteModule& module, const tstring& path,
                                         DWORD markError) const {
    if (!Ui().ShellStartProcess(OpenVerb(path), nullptr))
        ShowStartFailure(path);
    else
        ShowMessage(FailureText(FormatText(texts_.GetText(kNotMarkedText), {tstring(module.name)}),
                                markError));
}

void ModuleLauncher::ShowStartFailure(const tstring& path) const {
    ShowMessage(FormatText(texts_.GetText(kStartFailedText), {path}));
}

void ModuleLauncher::ShowMessage(const tstring& text) const {
    Ui().ShowMessage(window_.Owner(), text, texts_.GetText(kMessageCaptionText), MB_OK);
}

void ModuleLauncher::EndWait() {
    window_.Restore();
    // The launcher is back either way: a value left behind is written anew
    // by the next start.
    power_.subKey = handshake::kKey;
    (void)power_.DeleteRegistryValue(kWriteLocalMachine, handshake::kValue);
    window_.StopLaunchTimer();
    process_.Reset();
}
