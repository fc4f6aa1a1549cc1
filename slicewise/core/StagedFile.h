#pragma once
// A file written under a temporary name beside its final one and given the
// final name only when it is complete, so that a run that ends early never
// leaves a partial file under a name that a merge or the user would trust.
// The temporary name is the final one followed by ".partial" (and a number
// when that exists already): it never ends in ".vtrl". Errors name the final
// file, the one the user knows.
#include "framework/BufferedFile.h"

class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile() { Discard(); }
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the temporary file for finalPath; an existing file of that
    // name is left alone.
    void Create(const tstring& finalPath);
    BufferedFile& File() { return file_; }
    // Closes the file and gives it its final name, replacing a file of
    // that name. Raises FileError when the last write or the rename fails.
    void Commit();
    // Closes and deletes the temporary file, if any; never raises.
    void Discard() noexcept;

private:
    BufferedFile file_;
    tstring temporary_;
    tstring final_;
};
