#pragma once
// Resource and control identifiers of the add and edit dialog.
#define IDD_ADDEDIT            132

// Controls
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
#define IDC_HALF_GROUP         1024
#define IDC_FOR_ME             1025
#define IDC_FOR_ALL_USERS      1026
#define IDC_PROGRAM_LABEL      1027   // names the program list; hidden
