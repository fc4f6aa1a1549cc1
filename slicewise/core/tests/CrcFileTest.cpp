#include "FakeHost.h"
#include "slicewise/core/CrcFile.h"
#include "slicewise/core/Manifest.h"
#include <gtest/gtest.h>
#include "tests/support/Mutator.h"

namespace {
const std::string kValid = "filename=report.pdf\r\nsize=12345\r\ncrc32=0a1b2c3d\r\n";
}

TEST(CrcFile, ReadsTheVariantsAndRefusesBrokenFiles) {
    const struct {
        std::string bytes;
        const TCHAR* name;       // nullptr: unusable
        ULONGLONG size;
        uint32_t crc;
        const TCHAR* pathName;   // of an unusable file
    } kCases[] = {
        {kValid, _T("report.pdf"), 12345, 0x0A1B2C3D, _T("")},
        {"FILENAME=Report.PDF\nSize=0\nCRC32=DEADBEEF", _T("Report.PDF"), 0, 0xDEADBEEF, _T("")},
        {"[report]\ncrc32=00000001\nnote=x=y\nsize=18446744073709551615\nfilename=r", _T("r"),
         18446744073709551615ull, 1, _T("")},
        {"filenameutf8=na\xC3\xAFve.txt\r\nfilename=na?ve.txt\r\nsize=1\r\ncrc32=00000000\r\n",
         _T("na\u00EFve.txt"), 1, 0, _T("")},
        {"\xEF\xBB\xBF" + kValid, _T("report.pdf"), 12345, 0x0A1B2C3D, _T("")},
        // Broken: truncated, a value missing, malformed or given twice.
        {kValid.substr(0, 30), nullptr, 0, 0, _T("")},
        {"filename=r\nsize=1\n", nullptr, 0, 0, _T("")},
        {"filename=\nsize=1\ncrc32=00000000", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=1\ncrc32=0a1b2c3g", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=1\ncrc32=0a1b2c3", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=1\ncrc32= a1b2c3d", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=12a\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=18446744073709551616\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("")},
        {"filename=r\nsize=1\nsize=2\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("")},
        {"filenameutf8=\xC3\nsize=1\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("")},
        {kValid + std::string(kLargestCrcFile, 'x'), nullptr, 0, 0, _T("")},
        // Names with a folder or a drive.
        {"filename=..\\secret\nsize=1\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("..\\secret")},
        {"filename=C:r\nsize=1\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("C:r")},
        {"filenameutf8=a/b\nfilename=ab\nsize=1\ncrc32=0a1b2c3d", nullptr, 0, 0, _T("a/b")},
    };
    for (const auto& test : kCases) {
        const CrcFileRead read = ParseCrcFile(test.bytes);
        const std::string where = test.bytes.substr(0, 60);
        EXPECT_EQ(test.name != nullptr, read.usable) << where;
        EXPECT_EQ(test.pathName, read.pathName) << where;
        if (test.name && read.usable) {
            EXPECT_EQ(test.name, read.info.fileName) << where;
            EXPECT_EQ(test.size, read.info.size) << where;
            EXPECT_EQ(test.crc, read.info.crc) << where;
        }
    }
}

// Binary junk and damaged files: no crash, and a usable one names a bare file.
TEST(CrcFile, SurvivesMutatedFiles) {
    Mutator mutated(24, {"=", "\r\n", "filename=", "size=", "crc32=", "\\", ".."}, 70000);
    for (int round = 0; round < 3000; ++round) {
        const CrcFileRead read = ParseCrcFile(mutated(kValid));
        if (read.usable)
            ASSERT_TRUE(IsBareFileName(read.info.fileName)) << round;
        else
            ASSERT_TRUE(read.pathName.empty() || !IsBareFileName(read.pathName)) << round;
    }
}

TEST(CrcFile, ReadsAFileAndRaisesWhenThereIsNone) {
    TempFolder temp;
    files::Write(temp / _T("report.crc"), kValid);
    EXPECT_EQ(_T("report.pdf"), ReadCrcFile(temp / _T("report.crc")).info.fileName);
    EXPECT_THROW((void)ReadCrcFile(temp / _T("none.crc")), FileError);
}
