#pragma once
// Names of the part files: folder base + name tail + "." + number + ".vtrl",
// the number padded with zeros to at least five digits.
#include "framework/TString.h"

// The output folder as shown without the "\..." that the folder commands
// append; a folder typed without it is that folder (less a trailing
// backslash, which the name tail brings).
tstring FolderBase(const tstring& outputFolder);
// The source path from its last backslash on (the whole path without one).
tstring NameTail(const tstring& sourcePath);
// The path up to and with its last backslash ("" without one), and the
// name after it (the whole path without one).
tstring FolderOf(const tstring& path);
tstring FileNameOf(const tstring& path);
// File names as Windows compares them: code unit by code unit, without
// regard to letter case (the file systems take "A.BIN" for "a.bin").
// Negative, zero or positive as a sorts before, with or after b.
[[nodiscard]] int CompareFileNames(const tstring& a, const tstring& b);
[[nodiscard]] inline bool SameFileName(const tstring& a, const tstring& b) { return CompareFileNames(a, b) == 0; }
struct FileNameLess {
    bool operator()(const tstring& a, const tstring& b) const { return CompareFileNames(a, b) < 0; }
};
// stem + "." + number text + ".vtrl"; stem is folder base + name tail when
// dividing and the base name when merging.
tstring PartName(const tstring& stem, ULONGLONG number);
// When path ends in "." + five or more digits + ".vtrl" (any letter case),
// stem is the path before that ending and the result true.
bool StemOfPart(const tstring& path, tstring& stem);
