#include "tests/support/StagedProgram.h"
#include "tests/support/ProgramWindows.h"
#include <stdexcept>

namespace {
tstring FileName(const tstring& path) { return path.substr(path.find_last_of(_T("\\/")) + 1); }
}

StagedProgram::StagedProgram(const tstring& exe, const char* sources, const tstring& languageFile)
    : exe_(exe), folder_(sources, languageFile) {}

StagedProgram::~StagedProgram() {
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

HWND StagedProgram::Start(const std::string& marker) {
    folder_.SetLanguage(marker);
    const tstring installed = folder_ / FileName(exe_);
    if (!CopyFile(exe_.c_str(), installed.c_str(), FALSE))
        throw std::runtime_error("StagedProgram: cannot copy the program");

    window_ = program::StartInFolder(installed, folder_.Path(), process_);
    if (!process_.hProcess)
        throw std::runtime_error("StagedProgram: cannot start the program");
    return window_;
}

bool StagedProgram::WaitForExit() const {
    return WaitForSingleObject(process_.hProcess, program::kPatienceMs) == WAIT_OBJECT_0;
}
