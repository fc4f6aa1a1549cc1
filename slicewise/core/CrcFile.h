#pragma once
// The ".crc" file other file splitters write beside a set: the joined file's
// name, size and CRC-32, one "key=value" line each, in any order, with CR LF
// or LF:
//   filename=<name in the system's code page>
//   filenameutf8=<name in UTF-8>   (optional; wins over filename)
//   size=<decimal bytes>
//   crc32=<eight hex digits>
// Keys are read without regard to case, as Windows reads such settings;
// other lines are skipped. A key given twice leaves it open which counts, so
// the file is not used.
#include "framework/TString.h"
#include <cstdint>
#include <string>

struct CrcFileInfo {
    tstring fileName;
    ULONGLONG size = 0;
    uint32_t crc = 0;
};

// A .crc file as read: its information when usable; else pathName holds the
// name it gives when that is not a bare file name (IsBareFileName), and is
// empty when the name, size or CRC is missing or malformed.
struct CrcFileRead {
    bool usable = false;
    CrcFileInfo info;
    tstring pathName;
};

// The largest .crc file read: its few lines take some hundred bytes, so a
// larger file is another kind of file.
const size_t kLargestCrcFile = 64 * 1024;

[[nodiscard]] CrcFileRead ParseCrcFile(const std::string& bytes);
// Reads the file at path; raises FileError when it cannot be read.
[[nodiscard]] CrcFileRead ReadCrcFile(const tstring& path);
