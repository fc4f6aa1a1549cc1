#pragma once
// The launcher's shipped files, copied into a test's folder.
#include "framework/TString.h"

// A file of the launcher's source folder, as the Windows side sees it.
tstring SourceFile(const tstring& name);

// Copies config.ini (with "Language" set to marker) and the language file
// into folder.
void StageLauncherFiles(const tstring& folder, const tstring& marker);

// The shipped language file's name.
extern const TCHAR kLanguageFileName[];
