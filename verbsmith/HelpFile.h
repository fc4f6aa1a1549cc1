#pragma once
// The editor's help: "help.chm" beside the program, opened by the shell.
#include "framework/TString.h"

void OpenHelpFile(HWND owner);
