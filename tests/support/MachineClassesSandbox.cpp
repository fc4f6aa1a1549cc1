#include "tests/support/MachineClassesSandbox.h"
#include <stdexcept>

MachineClassesSandbox::MachineClassesSandbox() {
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, _T("SOFTWARE\\Classes"), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                       &machineClasses_, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CLASSES_ROOT, machineClasses_) != ERROR_SUCCESS)
        throw std::runtime_error("MachineClassesSandbox: cannot redirect HKEY_CLASSES_ROOT");
}

// Nothing runs between this and the sandbox's own clean-up, which resets
// the roots again.
MachineClassesSandbox::~MachineClassesSandbox() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(machineClasses_);
}
