#pragma once
// Starting a module and waiting for it to close: the launcher hides itself,
// marks the run with the registry value "active" = "x" and polls that value
// every 200 ms; the module deletes it when it closes, and the launcher comes
// back. Also opens the modules' help files.
#include "toolcrate/core/SuiteModule.h"
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "framework/Handles.h"

// What the launch needs of the launcher's window.
class LauncherWindow {
public:
    // A message box with the OK button and no icon, owned by the window.
    virtual void Tell(const tstring& text, const tstring& caption) = 0;
    virtual void Hide() = 0;
    virtual void Restore() = 0;
    virtual void StartLaunchTimer() = 0;   // timer 1, 200 ms
    virtual void StopLaunchTimer() = 0;

protected:
    ~LauncherWindow() = default;
};

class ModuleLauncher {
public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerPeriod = 200;   // milliseconds

    // appName: caption of the refusal message (the program's name).
    ModuleLauncher(LauncherWindow& window, PowerClass& power, const CTranslation& texts,
                   const tstring& appName);
    ModuleLauncher(const ModuleLauncher&) = delete;
    ModuleLauncher& operator=(const ModuleLauncher&) = delete;

    void LaunchModule(const SuiteModule& module);
    // Every tick of the launch timer.
    void PollHandshake();
    void OpenModuleHelp(const SuiteModule& module) const;

private:
    bool BackgroundActive(const SuiteModule& module) const;
    // Hidden, with the timer, until the module deletes the value or ends.
    void StartAndWait(const tstring& path);
    // Visible, and the user told why (markError) the launcher stays.
    void StartWithoutWaiting(const SuiteModule& module, const tstring& path,
                             DWORD markError) const;
    void ShowStartFailure(const tstring& path, DWORD error) const;
    void ShowMessage(const tstring& text) const;   // OK only, caption text 5
    bool ModuleStillRunning() const;
    void EndWait();

    LauncherWindow& window_;
    PowerClass& power_;
    const CTranslation& texts_;
    tstring appName_;
    // The started module, so that one which ended without deleting the value
    // (it crashed) does not leave the launcher hidden for good.
    KernelHandle process_;
};
