#pragma once
// The program's help: "help.chm" beside the executable, opened by the shell
// with the given window as owner.
#include "framework/TString.h"

void OpenHelpFile(HWND owner);
