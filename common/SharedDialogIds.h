#pragma once
// Resource identifiers of the shared dialogs. Macros only: the programs'
// .rc files include this through common/LanguageSelection.rc and
// common/AboutDlg.rc.
#define IDD_ABOUTBOX 100
#define IDD_LANGUAGE_SELECTION 140

// Language dialog: group box / combo box of each program.
#define IDC_LANGUAGE_GROUP_VERBSMITH 1008
#define IDC_LANGUAGE_COMBO_VERBSMITH 1024
#define IDC_LANGUAGE_GROUP_SLICEWISE 1030
#define IDC_LANGUAGE_COMBO_SLICEWISE 1029
#define IDC_LANGUAGE_GROUP_TOOLCRATE 1019
#define IDC_LANGUAGE_COMBO_TOOLCRATE 1018

// About box: the icon and the version line.
#define IDC_ABOUT_ICON 1101
#define IDC_ABOUT_VERSION 1102
