#include "toolcrate/core/ModuleLauncher.h"
#include "framework/SafeFormat.h"
#include "framework/UiSeam.h"

const TCHAR ModuleLauncher::kHandshakeKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");
const TCHAR ModuleLauncher::kHandshakeValue[] = _T("active");

namespace {
// Kind 0 writes and deletes under HKEY_LOCAL_MACHINE; kind 2 reads there.
const int kWriteLocalMachine = 0;
const int kReadLocalMachine = PowerClass::kLocalMachine;
const TCHAR kRunning[] = _T("x");
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
    // Hide, timer, value, start: the value is in place before the module can
    // look for it.
    window_.Hide();
    window_.StartLaunchTimer();
    power_.subKey = kHandshakeKey;
    power_.WriteRegistryFixed(kWriteLocalMachine, kHandshakeValue, kRunning);

    const tstring path = power_.GetProgramFolder() + module.executable;
    if (!Ui().ShellStartProcess(OpenVerb(path), process_.Receive())) {
        // Nothing would ever delete the value: come back at once and say why.
        EndWait();
        Ui().ShowMessage(window_.Owner(), FormatText(texts_.GetText(kStartFailedText), {path}),
                         texts_.GetText(kMessageCaptionText), MB_OK);
    }
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
    power_.subKey = kHandshakeKey;
    if (power_.ReadRegistryText(kReadLocalMachine, kHandshakeValue) != kRunning)
        return false;
    return !process_ || WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0;
}

void ModuleLauncher::EndWait() {
    window_.Restore();
    power_.subKey = kHandshakeKey;
    power_.DeleteRegistryValue(kWriteLocalMachine, kHandshakeValue);
    window_.StopLaunchTimer();
    process_.Reset();
}
