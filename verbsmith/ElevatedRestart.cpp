#include "verbsmith/ElevatedRestart.h"
#include "common/Elevation.h"
#include "framework/ModulePath.h"
#include "framework/SystemError.h"
#include "verbsmith/core/EditorTexts.h"

namespace {

Handover RestartElevated(EditorHost& host, HWND owner) {
    ShellStart start;
    start.owner = owner;
    start.verb = _T("runas");
    start.file = ModuleFilePath();
    const DWORD error = Ui().ShellStartProcess(start, nullptr);
    if (error == ERROR_SUCCESS)
        return Handover::kRestarted;
    if (error != ERROR_CANCELLED)
        host.Tell(FailureText(host.Text(texts::kRestartFailed), error));
    return Handover::kStopped;
}

}  // namespace

Handover HandOverToElevated(EditorHost& host, HWND owner, ClassesHalf half) {
    if (!NeedsRights(half))
        return Handover::kNone;
    if (ProcessElevation().Read() == Elevation::kStandardUser) {
        host.Tell(texts::kAdministratorMustChange);
        return Handover::kStopped;
    }
    return host.Ask(host.Text(texts::kRestartElevated)) ? RestartElevated(host, owner)
                                                        : Handover::kStopped;
}

bool DialogHandedToElevation(Dialog& dialog, EditorHost& host, ClassesHalf half, bool& restarted) {
    const Handover handover = HandOverToElevated(host, dialog.Handle(), half);
    restarted = handover == Handover::kRestarted;
    if (restarted)
        dialog.EndDialog(IDCANCEL);
    return handover != Handover::kNone;
}
