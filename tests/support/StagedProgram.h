#pragma once
// A real program of the suite copied into its program folder
// (tests/support/ProgramFolder.h) and started there, as an installed program
// runs. The program is ended, if it still runs, when the object goes.
#include "tests/support/ProgramFolder.h"

class StagedProgram {
public:
    // exe: the built program; sources and languageFile: as for ProgramFolder.
    StagedProgram(const tstring& exe, const char* sources, const tstring& languageFile);
    ~StagedProgram();
    StagedProgram(const StagedProgram&) = delete;
    StagedProgram& operator=(const StagedProgram&) = delete;

    // Starts the program with "Language" set to marker (for example "[1033]")
    // and waits for its main window; nullptr when none came.
    HWND Start(const std::string& marker);
    // Waits for the program to end; false when it still runs.
    bool WaitForExit() const;

    const ProgramFolder& Folder() const { return folder_; }
    HANDLE Process() const { return process_.hProcess; }
    DWORD Id() const { return process_.dwProcessId; }
    HWND Window() const { return window_; }

private:
    tstring exe_;
    ProgramFolder folder_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};
