#include "framework/ModulePath.h"
#include "framework/ProgramName.h"
#include <gtest/gtest.h>

namespace {
// The executable's path as the system gives it, asked with room for any path.
tstring SystemModulePath() {
    std::vector<TCHAR> path(32768, _T('\0'));
    const DWORD length = GetModuleFileName(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return tstring(path.data(), length);
}
}  // namespace

// Also holds when the program runs from a folder deeper than MAX_PATH (run
// this test from such a copy of the test program to see it).
TEST(ProgramName, IsTheExecutablesNameUnlessSet) {
    const tstring path = SystemModulePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path, ModuleFilePath());
    const size_t slash = path.rfind(_T('\\'));
    const tstring name = path.substr(slash + 1, path.size() - slash - 1 - 4);   // without ".exe"
    EXPECT_EQ(name, ProgramName());
    SetProgramName(_T("Slicewise"));
    EXPECT_EQ(_T("Slicewise"), ProgramName());
    SetProgramName(tstring());
    EXPECT_EQ(name, ProgramName());
}
