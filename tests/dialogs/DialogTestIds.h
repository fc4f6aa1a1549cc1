#pragma once
// One template of the language dialog per program, side by side.
#define IDD_LANGUAGE_VERBSMITH 141
#define IDD_LANGUAGE_SLICEWISE 142
#define IDD_LANGUAGE_TOOLCRATE 143
#define IDI_TEST 128
