#include "framework/BufferedFile.h"
#include "framework/SystemError.h"
#include "framework/testkit/RecordingUi.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {

// The file error that opening path for reading raises (cause kGeneric and
// an empty name when none is raised).
FileError OpenError(const tstring& path, BufferedFile::Mode mode = BufferedFile::kRead) {
    BufferedFile file;
    try {
        file.Open(path, mode);
    } catch (const FileError& error) {
        return error;
    }
    return FileError(FileError::kGeneric, 0, tstring());
}

std::string Pattern(size_t count) {
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

}  // namespace

TEST(BufferedFileErrors, MissingFileWasNotFound) {
    TempFolder temp;
    const FileError error = OpenError(temp / _T("none.bin"));
    EXPECT_EQ(FileError::kFileNotFound, error.cause);
    EXPECT_EQ(temp / _T("none.bin") + _T(" was not found."), error.Message());
    BufferedFile file;
    EXPECT_FALSE(file.TryOpenRead(temp / _T("none.bin")));
    EXPECT_FALSE(file.IsOpen());
}

TEST(BufferedFileErrors, FileHeldOpenIsASharingViolation) {
    TempFolder temp;
    const tstring path = temp / _T("held.bin");
    files::Write(path, "data");
    HANDLE other = CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    // Our files share nothing, so even a reader that shares reading blocks them.
    const FileError reading = OpenError(path);
    const FileError writing = OpenError(path, BufferedFile::kCreateWrite);
    CloseHandle(other);
    EXPECT_EQ(FileError::kSharingViolation, reading.cause);
    EXPECT_EQ(_T("A sharing violation occurred while accessing ") + path + _T("."), reading.Message());
    EXPECT_EQ(FileError::kSharingViolation, writing.cause);
    EXPECT_EQ("data", files::Read(path));

    // And while one of ours is open, nobody else gets in.
    BufferedFile ours;
    ours.Open(path, BufferedFile::kRead);
    HANDLE blocked = CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(INVALID_HANDLE_VALUE, blocked);
    if (blocked != INVALID_HANDLE_VALUE) CloseHandle(blocked);
}

TEST(BufferedFileErrors, FolderOpenedAsFileIsAccessDenied) {
    TempFolder temp;
    const FileError error = OpenError(temp.Path());
    EXPECT_EQ(FileError::kAccessDenied, error.cause);
    EXPECT_EQ(_T("Access to ") + temp.Path() + _T(" was denied."), error.Message());
    EXPECT_EQ(FileError::kAccessDenied, OpenError(temp.Path(), BufferedFile::kCreateWrite).cause);
}

TEST(BufferedFileErrors, PathThroughAMissingFolderIsAnInvalidPath) {
    TempFolder temp;
    const tstring path = temp / _T("missing\\file.bin");
    const FileError error = OpenError(path, BufferedFile::kCreateWrite);
    EXPECT_EQ(FileError::kBadPath, error.cause);
    EXPECT_EQ(path + _T(" contains an invalid path."), error.Message());
    EXPECT_FALSE(files::Exists(temp / _T("missing")));
}

TEST(BufferedFileErrors, OtherCausesAndTheirTexts) {
    EXPECT_EQ(_T("x.bin could not be opened because there are too many open files."),
              FileError::FromLastError(ERROR_TOO_MANY_OPEN_FILES, _T("x.bin")).Message());
    EXPECT_EQ(_T("The disk is full while accessing x.bin."),
              FileError::FromLastError(ERROR_HANDLE_DISK_FULL, _T("x.bin")).Message());
    EXPECT_EQ(_T("An unknown error occurred while accessing x.bin."),
              FileError::FromLastError(ERROR_CRC, _T("x.bin")).Message());
    // The name is inserted as it stands, percent signs and all.
    EXPECT_EQ(_T("%1%s.bin was not found."),
              FileError::FromLastError(ERROR_FILE_NOT_FOUND, _T("%1%s.bin")).Message());
}

TEST(BufferedFileErrors, ReadingAFileOpenedForWritingIsAnUnknownError) {
    TempFolder temp;
    BufferedFile file;
    file.Open(temp / _T("w.bin"), BufferedFile::kCreateWrite);
    BYTE byte = 0;
    try {
        file.ReadByte(byte);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& error) {
        EXPECT_EQ(_T("An unknown error occurred while accessing ") + temp / _T("w.bin") + _T("."),
                  error.Message());
    }
}

TEST(BufferedFileErrors, ReportIsAStopMessageBox) {
    RecordingUi ui;
    ReportFileError(nullptr, FileError(FileError::kAccessDenied, ERROR_ACCESS_DENIED, _T("C:\\a")),
                    _T("Vantorel Slicewise"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(FailureText(_T("Access to C:\\a was denied."), ERROR_ACCESS_DENIED), ui.messages[0].text);
    EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[0].type);
}

TEST(BufferedFileCopy, BytesAndBlocksOfEverySizeComeBackInOrder) {
    TempFolder temp;
    const tstring path = temp / _T("data.bin");
    const size_t big = BufferedFile::kBufferSize;
    // Small writes, single bytes and blocks larger than the buffer, mixed.
    const std::string expected = Pattern(3 * big + 4321);
    {
        BufferedFile file;
        file.Open(path, BufferedFile::kCreateWrite);
        size_t at = 0;
        const size_t pieces[] = {1, 100, big - 50, 2 * big + 3, 17};
        for (size_t piece : pieces) {
            file.Write(expected.data() + at, piece);
            at += piece;
            file.WriteByte(static_cast<BYTE>(expected[at++]));
        }
        file.Write(expected.data() + at, expected.size() - at);
        EXPECT_EQ(expected.size(), file.Length());
        file.Close();
    }
    EXPECT_EQ(expected, files::Read(path));

    BufferedFile file;
    file.Open(path, BufferedFile::kRead);
    EXPECT_EQ(expected.size(), file.Length());
    std::string read(expected.size() + 10, '\0');
    size_t at = 0;
    for (size_t piece : {size_t(3), big + 5, size_t(1000), 2 * big}) {
        at += file.Read(&read[at], piece);
        BYTE byte = 0;
        ASSERT_TRUE(file.ReadByte(byte));
        read[at++] = static_cast<char>(byte);
    }
    at += file.Read(&read[at], read.size() - at);   // asks for more than is left
    EXPECT_EQ(expected.size(), at);
    read.resize(at);
    EXPECT_EQ(expected, read);
    BYTE byte = 0;
    EXPECT_FALSE(file.ReadByte(byte));
    EXPECT_EQ(0u, file.Read(&read[0], 10));
}

TEST(BufferedFileCopy, CreatingTruncatesAndAbortKeepsTheBufferedBytes) {
    TempFolder temp;
    const tstring path = temp / _T("data.bin");
    files::Write(path, std::string(1000, 'x'));
    {
        BufferedFile file;
        file.Open(path, BufferedFile::kCreateWrite);
        file.Write("abc", 3);
        file.Abort();
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_EQ("abc", files::Read(path));
    {
        BufferedFile file;
        ASSERT_TRUE(file.TryOpenRead(path));
        EXPECT_TRUE(file.IsOpen());
        BYTE byte = 0;
        EXPECT_TRUE(file.ReadByte(byte));
        EXPECT_EQ('a', byte);
    }   // closed by the destructor
    HANDLE again = CreateFile(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, again);
    CloseHandle(again);
}
