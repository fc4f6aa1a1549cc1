#pragma once
// Full path of the running executable, whatever its length.
#include "framework/TString.h"

// Empty only when the system gives no path at all.
tstring ModuleFilePath();
