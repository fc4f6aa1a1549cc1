#pragma once
// The user's Send To folder, as the Explorer's "Shell Folders" key names it.
#include "framework/TString.h"

// The folder path; empty when the value is missing or not a REG_SZ text.
tstring SendToFolder();
// True for a name that stays a file directly inside the folder: not empty,
// no "\", "/" or ":" (a drive, or a stream of another file), not "." or "..".
bool IsPlainFileName(const tstring& name);
// Deletes a file of the folder, through the write seam like every change:
// ERROR_SUCCESS, or the error (ERROR_FILE_NOT_FOUND when there was none).
DWORD DeleteSendToFile(const tstring& path);
