#pragma once
// Templates of the framework's test dialogs.
#define IDD_EXCHANGE 200
#define IDC_NAME 1000
#define IDC_AMOUNT 1001
#define IDC_UNIT_A 1002
#define IDC_UNIT_LABEL 1003
#define IDC_UNIT_B 1004
#define IDC_UNIT_C 1005
#define IDC_KEEP 1006
#define IDC_MODE_X 1007
#define IDC_MODE_Y 1011
#define IDC_LANGUAGE 1008
#define IDC_COUNT 1009
#define IDC_ROWS 1010
#define IDC_ACTION 1012
