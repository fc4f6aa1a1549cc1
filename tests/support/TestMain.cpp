#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

// Every test executable: common controls registered as the programs do it,
// then GoogleTest.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
