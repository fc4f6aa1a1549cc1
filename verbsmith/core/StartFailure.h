#pragma once
// Why the shell could not start a program: the system's own message for the
// error that a ShellExecute result of 32 or less stands for.
#include "framework/TString.h"

// The SE_ERR_ codes that are no system error numbers (0, 26-32) are taken
// as the errors they mean; the others are system error numbers already
// (ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ...). The number itself when
// the system has no text for it.
tstring ShellStartFailureReason(INT_PTR result);
