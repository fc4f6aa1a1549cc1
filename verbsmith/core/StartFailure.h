#pragma once
// Why the shell could not start a program: the system error that a
// ShellExecute result of 32 or less stands for.
#include "framework/TString.h"

// The SE_ERR_ codes that are no system error numbers (0, 26-32) are taken
// as the errors they mean; the others are system error numbers already
// (ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ...).
DWORD ShellStartError(INT_PTR result);
