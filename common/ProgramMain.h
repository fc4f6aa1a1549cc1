#pragma once
// How every program of the suite runs: the common controls, the program's
// name for the framework's own messages, COM on the window thread (the
// folder browser and the shell links need it), then its main window
// modally; the program ends when the window closes. Each program's application class
// calls RunProgram with its main dialog.
#include "framework/ComScope.h"
#include "framework/TString.h"

// name empty: the framework's messages keep the executable's name.
void StartProgram(const tstring& name);

template <class MainDialog>
int RunProgram(const tstring& name) {
    StartProgram(name);
    const ComScope com;
    MainDialog window;
    window.DoModal();
    return 0;
}
