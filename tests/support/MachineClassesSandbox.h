#pragma once
#include "tests/support/RegistrySandbox.h"

// A registry sandbox whose HKEY_CLASSES_ROOT is its own
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes, as under Wine: what the editor writes
// through HKEY_CLASSES_ROOT lands where a backup names it.
class MachineClassesSandbox {
public:
    MachineClassesSandbox();
    ~MachineClassesSandbox();
    MachineClassesSandbox(const MachineClassesSandbox&) = delete;
    MachineClassesSandbox& operator=(const MachineClassesSandbox&) = delete;

private:
    RegistrySandbox sandbox_;
    HKEY machineClasses_ = nullptr;
};
