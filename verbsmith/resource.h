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

// Dialogs and the menu
#define IDD_VERBSMITH_DIALOG   102
#define IDR_MAINMENU           131
#define IDD_ADDEDIT            132

// Strings
#define IDS_ABOUTBOX           101
#define IDM_ABOUTBOX           0x0010   // system menu command of the About item

// Main window controls
#define IDC_ENTRY_LIST         1000
#define IDC_ADD                1003
#define IDC_TOGGLE             1004
#define IDC_ENTRIES_GROUP      1008
#define IDC_REMOVE             1009
#define IDC_EDIT               1010
#define IDC_COUNT_LINE         1014

// Menu commands
#define ID_FILE_LANGUAGE       32771
#define ID_HELP_HELPFILE       32773
#define ID_HELP_WEBSITE        32774
#define ID_HELP_ABOUT          32775
#define ID_FILE_EXIT           32779
#define ID_FUNCTIONS_CHECK     32780
#define ID_FUNCTIONS_ADD       32781
#define ID_FUNCTIONS_EXECUTE   32782

// Add and edit dialog controls
#define IDC_ADD_COPY_TO        1001
#define IDC_ADD_MOVE_TO        1002
#define IDC_ENTRY_TYPE         1003
#define IDC_VALUE              1004
#define IDC_BROWSE_FOLDER      1005
#define IDC_BROWSE_FILE        1006
#define IDC_NAME               1007
#define IDC_PROGRAM            1008
#define IDC_ADD_PARAMETER      1009
#define IDC_REMOVE_PARAMETER   1010
#define IDC_NORMAL_GROUP       1011
#define IDC_SPECIAL_GROUP      1012
#define IDC_VALUE_LABEL        1013
#define IDC_CHECK_COMMAND      1014
#define IDC_TYPE_LABEL         1021
#define IDC_NAME_LABEL         1022
#define IDC_SPECIAL_TEXT       1023
