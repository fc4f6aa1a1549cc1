#pragma once
// A program's shipped settings and language files copied into a fresh
// folder with "Language" set: the folder a program runs from in a test.
// While the object lives it is the program folder of the test process
// (PowerClass::OverrideProgramFolder), for the windows tested in-process;
// end-to-end tests copy the program into it and start it there
// (tests/support/StagedProgram.h).
//
//   ProgramFolder program(VERBSMITH_SOURCES, _T("Verbsmithtrl.ini"));
//   program.SetLanguage("[1031]");
//
// sources is the program's source folder as CMake names it (a Linux path;
// the tests reach it through drive Z:); every test target that stages a
// program gets it defined with vt_program_sources.
#include "tests/support/TempFolder.h"
#include <string>

// A file of a program's sources, as the Windows side reaches it.
tstring SourceFile(const char* sources, const tstring& name);

class ProgramFolder {
public:
    ProgramFolder(const char* sources, const tstring& languageFile,
                  const std::string& marker = "[1033]");
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // The value line after "Language" in the folder's config.ini.
    void SetLanguage(const std::string& marker);
    std::string Settings() const { return files::Read(folder_ / _T("config.ini")); }

    const tstring& Path() const { return folder_.Path(); }
    tstring operator/(const tstring& name) const { return folder_ / name; }

private:
    TempFolder folder_;
};
