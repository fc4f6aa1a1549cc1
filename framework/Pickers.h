#pragma once
// The open-file dialog and the folder browser as plain functions. Programs
// reach them through Ui() (framework/UiSeam.h) so tests can answer instead.
#include "framework/TString.h"

// "Text files|*.txt|All files|*.*|" -> the double-zero-terminated list that
// OPENFILENAME wants. A missing final "|" is tolerated.
tstring MakeOpenFileFilter(const tstring& filter);

// GetOpenFileName with a file-name buffer of bufferChars characters. Cancel
// and every error (a chosen path longer than the buffer among them) give
// false and leave path unchanged.
bool RunOpenFileDialog(HWND owner, const tstring& filter, size_t bufferChars, tstring& path);

// SHBrowseForFolder with a title; the item list is freed with the shell's
// allocator. False when nothing was chosen or the item has no file path.
bool RunFolderBrowser(HWND owner, const tstring& title, tstring& path);
