// Resource identifiers of the Slicewise program.
#pragma once

#define IDS_ABOUTBOX            101
#define IDD_SLICEWISE_DIALOG    102
#define IDR_MAINFRAME           128
#define IDB_FOOTER              129
#define IDB_HEADER              130
#define IDR_MAINMENU            131
#define IDB_MENU_LANGUAGE       136
#define IDB_MENU_ABOUT          137
#define IDB_MENU_EXIT           140
#define IDB_MENU_HELP           142
#define IDB_MENU_WEBSITE        143

#define IDC_SOURCE_PATH         1000
#define IDC_BROWSE_FILE         1001
#define IDC_OUTPUT_FOLDER       1002
#define IDC_BROWSE_FOLDER       1003
#define IDC_USER_SIZE           1004
#define IDC_SIZE_UNIT           1005
#define IDC_SIZE_100KB          1006
#define IDC_SIZE_FLOPPY         1007
#define IDC_SIZE_500KB          1008
#define IDC_SIZE_1MB            1009
#define IDC_SIZE_CD             1010
#define IDC_SIZE_DVD            1011
#define IDC_SIZE_USER           1012
#define IDC_DIVIDE              1013
#define IDC_MERGE               1014
#define IDC_SOURCE_GROUP        1015
#define IDC_FOLDER_GROUP        1016
#define IDC_SIZE_GROUP          1017
#define IDC_SIZE_2MB            1018
#define IDC_STATUS              1019
#define IDC_WELCOME             1027
#define IDC_INTRODUCTION        1028
// The language dialog's controls.
#define IDC_LANGUAGE_COMBO      1029
#define IDC_LANGUAGE_GROUP      1030
// The progress of a run, over the footer while the run lasts.
#define IDC_PROGRESS            1031
#define IDC_PROGRESS_TEXT       1032
// The hidden labels that name the edit fields and the unit list.
#define IDC_SOURCE_LABEL        1033
#define IDC_FOLDER_LABEL        1034
#define IDC_USER_SIZE_LABEL     1035
#define IDC_SIZE_UNIT_LABEL     1036

#define ID_FILE_LANGUAGE        32771
#define ID_FILE_EXIT            32772
#define ID_HELP_ABOUT           32773
#define ID_HELP_HELPFILE        32778
#define ID_HELP_WEBSITE         32779

