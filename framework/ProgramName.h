#pragma once
// The program's name, the caption of the framework's own message boxes.
#include "framework/TString.h"

// Set at start by the program; until then the executable's file name
// without its extension.
tstring ProgramName();
void SetProgramName(const tstring& name);
