#pragma once
// The language dialog in the three forms the programs give it (their own
// control ids, placeholder, combo height and sorting), side by side.
#define IDD_LANGUAGE_VERBSMITH 141
#define IDD_LANGUAGE_SLICEWISE 142
#define IDD_LANGUAGE_TOOLCRATE 143
#define IDI_TEST 128

// A main window of the shared kind: a label, a two-menu bar, hidden OK and
// Cancel.
#define IDS_TEST_ABOUT 101
#define IDD_TEST_MAIN 150
#define IDR_TEST_MENU 151
#define IDB_TEST_MARK 152
#define IDC_TEST_LABEL 1000
#define IDC_TEST_LANGUAGE_GROUP 1001
#define IDC_TEST_LANGUAGE_COMBO 1002
#define ID_TEST_LANGUAGE 32771
#define ID_TEST_EXIT 32772
#define ID_TEST_HELP 32773
#define ID_TEST_WEBSITE 32774
#define ID_TEST_ABOUT 32775
