#pragma once
// One program's row of the tests of its texts on screen: its shipped files,
// its dialect list, its language dialog and its windows. Each program's test
// executable is built from ProgramTextsTest.cpp and that program's row.
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include <string>
#include <vector>

struct ProgramTexts {
    const char* sources;        // the program's source folder (vt_program_sources)
    const TCHAR* languageFile;
    const std::vector<int>& dialects;   // what the program's translators fold
    std::vector<int> folds;     // the main languages regional variants must reach
    LanguageDialogIds languageDialog;
    bool sortsLanguages;        // the language dialog's list is sorted
    // Opens each window of the program and checks that its texts fit, also
    // those it shows at times; texts holds the language, where names it.
    void (*expectWindowsFit)(const CTranslation& texts, const std::string& where);
};

const ProgramTexts& ThisProgram();
