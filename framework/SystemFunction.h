#pragma once
// Functions that the oldest Windows the programs run on (Windows 7) lacks,
// or that a system may lack: looked up at run time, so that the programs
// still start where they are missing.
#include <windows.h>

// The function of that name in a system DLL the program has loaded (user32,
// kernel32), or nullptr.
template <class Function>
Function SystemFunction(const TCHAR* dll, const char* name) {
    // Through a pointer to a function without parameters, which GCC accepts
    // as a generic function pointer.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandle(dll), name)));
}
