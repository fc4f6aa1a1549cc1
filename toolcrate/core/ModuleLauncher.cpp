#include "toolcrate/core/ModuleLauncher.h"
#include "common/Handshake.h"
#include "common/RegistryPlace.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "framework/UiSeam.h"
#include "toolcrate/core/LauncherTexts.h"

namespace {
const RegistryPlace kHandshakePlace{HKEY_LOCAL_MACHINE, handshake::kKey};
const TCHAR kBackgroundValue[] = _T("background control");
const TCHAR kBackgroundActive[] = _T("active");

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
        const tstring text =
            FormatText(_T("%s\n\n%s"), {texts_.GetText(launchertext::kBackgroundActive1),
                                         texts_.GetText(launchertext::kBackgroundActive2)});
        window_.Tell(text, appName_);
        return;
    }
    // The value is in place before the module can look for it and before the
    // launcher steps aside: without it the first tick would bring the
    // launcher back at once, so it stays visible and says why instead.
    const WriteResult marked =
        registry::WriteFixedText(kHandshakePlace, handshake::kValue, handshake::kRunning);
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
    return registry::ReadText({HKEY_LOCAL_MACHINE, module.backgroundKey}, kBackgroundValue) ==
           kBackgroundActive;
}

bool ModuleLauncher::ModuleStillRunning() const {
    if (registry::ReadText(kHandshakePlace, handshake::kValue) != handshake::kRunning)
        return false;
    return !process_ || WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0;
}

void ModuleLauncher::StartAndWait(const tstring& path) {
    window_.Hide();
    window_.StartLaunchTimer();
    const DWORD error = Ui().ShellStartProcess(OpenVerb(path), process_.Receive());
    if (error != ERROR_SUCCESS) {
        // Nothing would ever delete the value: come back at once and say why.
        EndWait();
        ShowStartFailure(path, error);
    }
}

void ModuleLauncher::StartWithoutWaiting(const SuiteModule& module, const tstring& path,
                                         DWORD markError) const {
    const DWORD error = Ui().ShellStartProcess(OpenVerb(path), nullptr);
    if (error != ERROR_SUCCESS)
        ShowStartFailure(path, error);
    else
        ShowMessage(FailureText(FormatText(texts_.GetText(launchertext::kNotMarked), {tstring(module.name)}),
                                markError));
}

void ModuleLauncher::ShowStartFailure(const tstring& path, DWORD error) const {
    ShowMessage(FailureText(FormatText(texts_.GetText(launchertext::kStartFailed), {path}), error));
}

void ModuleLauncher::ShowMessage(const tstring& text) const {
    window_.Tell(text, texts_.GetText(launchertext::kCaption));
}

void ModuleLauncher::EndWait() {
    window_.Restore();
    // The launcher is back either way: a value left behind is written anew
    // by the next start.
    (void)registry::DeleteValue(kHandshakePlace, handshake::kValue);
    window_.StopLaunchTimer();
    process_.Reset();
}
