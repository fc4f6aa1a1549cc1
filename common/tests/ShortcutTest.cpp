#include <gtest/gtest.h>
#include "common/PowerClass.h"
#include "tests/support/TempFolder.h"

namespace {
// The description as the link file stores it: UTF-16 without terminator.
std::string Utf16(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}
}

TEST(Shortcut, IsCreatedAsALinkFileAndReadBack) {
    TempFolder folder;
    const tstring link = folder / _T("Notes.lnk");
    EXPECT_TRUE(PowerClass::CreateShortcut(_T("C:\\Tools\\notes.exe"), link, _T("Notes in a folder")));
    const std::string bytes = files::Read(link);
    // A shell link file: header size 0x4C, then the link class identifier.
    ASSERT_GE(bytes.size(), 20u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x4C\0\0\0\x01\x14\x02\0", 8));
    EXPECT_NE(bytes.find(Utf16(L"Notes in a folder")), std::string::npos);

    PowerClass power;
    power.subKey = _T("before");
    EXPECT_EQ(power.ReadShortcut(link), _T("C:\\Tools\\notes.exe"));
    EXPECT_EQ(power.subKey, _T("Notes in a folder"));
}

TEST(Shortcut, LinkInAMissingFolderFailsWithItsCause) {
    TempFolder folder;
    const WriteResult result =
        PowerClass::CreateShortcut(_T("C:\\a.exe"), folder / _T("none\\a.lnk"), _T(""));
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), result.error);
}

TEST(Shortcut, MissingLinkGivesNoTarget) {
    TempFolder folder;
    PowerClass power;
    EXPECT_EQ(power.ReadShortcut(folder / _T("none.lnk")), _T(""));
    EXPECT_TRUE(files::List(folder.Path()).empty());
}
