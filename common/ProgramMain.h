#pragma once
// How every program of the suite runs: the common controls, the program's
// name for the framework's own messages, then its main window modally; the
// program ends when the window closes. Each program's application class
// calls RunProgram with its main dialog.
#include "framework/TString.h"

// name empty: the framework's messages keep the executable's name.
void StartProgram(const tstring& name);

template <class MainDialog>
int RunProgram(const tstring& name) {
    StartProgram(name);
    MainDialog window;
    window.DoModal();
    return 0;
}
