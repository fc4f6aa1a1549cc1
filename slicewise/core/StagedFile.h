#pragma once
// A file written under a temporary name beside its final one and given the
// final name only when it is complete, so that a run that ends early never
// leaves a partial file under a name that a merge or the user would trust.
// The temporary name is the final one followed by ".partial" (and a number
// when that exists already): it never ends in ".vtrl". Errors name the final
// file, the one the user knows.
#include "framework/BufferedFile.h"
#include <functional>

// A complete file under its temporary name, and the name it is to take.
struct StagedName {
    tstring temporary;
    tstring final;
};

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
    // Closes the file, its bytes on the disk; it keeps its temporary name.
    void Close() { file_.CloseDurably(); }
    // Closes the file (unless Close did) and gives it its final name,
    // replacing a file of that name. Raises FileError when the last write or
    // the rename fails.
    void Commit();
    // Closes the file, its bytes on the disk, and hands its temporary name
    // over to the caller, who renames it (Rename) or deletes it.
    [[nodiscard]] StagedName Finish();
    // Closes and deletes the temporary file, if any; never raises.
    void Discard() noexcept;

    // Gives a finished file its final name; raises FileError on failure.
    static void Rename(const StagedName& name);
    // Deletes a finished file's temporary; never raises.
    static void Delete(const tstring& temporary) noexcept;

private:
    BufferedFile file_;
    tstring temporary_;
    tstring final_;
};

// Deletes the temporary files beside stem (a path without the part that
// varies) that runs which ended without cleaning up left behind for a final
// file name (without folder) that isOurs accepts. One that a blocked write
// of an earlier run still holds open goes when that write lets it go.
void RemoveStagedLeftovers(const tstring& stem, const std::function<bool(const tstring&)>& isOurs);

// Deletes every temporary file that this process's runs hold now, finished
// or open: the session is ending, and the process with it. A file that a
// write still holds open goes when the process ends and closes it.
void RemoveAllStaged() noexcept;
