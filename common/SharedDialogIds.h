#pragma once
// Resource identifiers of the shared dialogs. Macros only: the programs'
// .rc files include this through common/LanguageSelection.rc and
// common/AboutDlg.rc. The control ids of the language dialog are the
// program's own (its resource.h).
#define IDD_ABOUTBOX 100
#define IDD_LANGUAGE_SELECTION 140

// RCDATA: the program's copy of its language file (common/Translation.h).
#define IDR_BUILTIN_TEXTS 1

// About box: the icon and the version line.
#define IDC_ABOUT_ICON 1101
#define IDC_ABOUT_VERSION 1102

// Language dialog: the hidden label that names the list with the prompt.
#define IDC_LANGUAGE_LABEL 1103
