#pragma once
// Resource and control identifiers of the context-menu editor.

// Icons
#define IDR_MAINFRAME          128
#define IDI_ROW_IMAGES         133   // 133-139: row images 0-6
#define IDI_ROW_SENDTO         150   // row image 7

// Bitmaps
#define IDB_FOOTER             129
#define IDB_HEADER             130
#define IDB_MENU_LANGUAGE      142
#define IDB_MENU_ABOUT         143
#define IDB_MENU_EXIT          146
#define IDB_MENU_HELP          148
#define IDB_MENU_WEBSITE       149
#define IDB_MENU_CHECK         152
#define IDB_MENU_EXECUTE       153
#define IDB_MENU_ADD           154
#define IDB_MENU_RESTORE       155

// Dialogs and the menu
#define IDD_VERBSMITH_DIALOG   102
#define IDR_MAINMENU           131

// Strings
#define IDS_ABOUTBOX           101

// Main window controls
#define IDC_ENTRY_LIST         1000
#define IDC_ADD                1003
#define IDC_TOGGLE             1004
#define IDC_ENTRIES_GROUP      1008
#define IDC_REMOVE             1009
#define IDC_EDIT               1010
#define IDC_COUNT_LINE         1014
#define IDC_SEARCH_LABEL       1015
#define IDC_SEARCH             1016
#define IDC_DETAILS_LINE       1017
#define IDC_ENTRIES_LABEL      1018   // names the list; hidden

// Menu commands
#define ID_FILE_LANGUAGE       32771
#define ID_HELP_HELPFILE       32773
#define ID_HELP_WEBSITE        32774
#define ID_HELP_ABOUT          32775
#define ID_FILE_EXIT           32779
#define ID_FUNCTIONS_CHECK     32780
#define ID_FUNCTIONS_ADD       32781
#define ID_FUNCTIONS_EXECUTE   32782
#define ID_FUNCTIONS_RESTORE   32783
#define ID_FUNCTIONS_CLASSIC_MENU 32784
#define ID_FUNCTIONS_BACK_AGAIN 32785

// Language dialog controls
#define IDC_LANGUAGE_GROUP     1008
#define IDC_LANGUAGE_COMBO     1024
