#include <gtest/gtest.h>
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

// The sandbox must really hide the prefix's registry and leave it untouched.
TEST(RegistrySandbox, RedirectsAndRestoresTheRoots) {
    const tstring key = _T("Software\\VantorelSandboxProbe");
    {
        RegistrySandbox sandbox;
        EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, _T("Software\\Microsoft")));
        reg::SetText(HKEY_CURRENT_USER, key, _T("v"), _T("inside"));
        EXPECT_EQ(reg::GetText(HKEY_CURRENT_USER, key, _T("v")), _T("inside"));
    }
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(reg::KeyExists(HKEY_LOCAL_MACHINE, _T("Software\\Microsoft")));
}

TEST(TempFolder, IsRemovedWithItsFiles) {
    tstring path;
    {
        TempFolder folder;
        path = folder.Path();
        files::Write(folder / _T("a.bin"), std::string("x\0y", 3));
        EXPECT_EQ(files::Read(folder / _T("a.bin")), std::string("x\0y", 3));
    }
    EXPECT_FALSE(files::Exists(path));
}
