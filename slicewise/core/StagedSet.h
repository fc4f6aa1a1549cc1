#pragma once
// Files written one after another under temporary names (StagedFile) and
// given their final names together once the last is complete, so that a run
// that ends early leaves none of them under a final name. Only the file
// being written is open.
#include "slicewise/core/StagedFile.h"
#include <vector>

class StagedSet {
public:
    StagedSet() = default;
    ~StagedSet() { Discard(); }
    StagedSet(const StagedSet&) = delete;
    StagedSet& operator=(const StagedSet&) = delete;

    // Creates the temporary file of the next file of the set; the one
    // before must be finished.
    void Create(const tstring& finalPath) { file_.Create(finalPath); }
    // The file being written; the same object for every file of the set.
    BufferedFile& File() { return file_.File(); }
    // Closes the file being written, its bytes on the disk; it keeps its
    // temporary name until Commit.
    void Finish();
    // Gives the next finished file its final name, in the order they were
    // made; one at a time, so that the renames can be stopped between two.
    // Raises FileError when the rename fails; the files not yet renamed stay
    // temporary until Discard.
    void CommitNext();
    // Every finished file has its final name.
    bool Committed() const { return renamed_ == finished_.size(); }
    // Closes the file being written and deletes every temporary file;
    // never raises.
    void Discard() noexcept;

private:
    StagedFile file_;
    std::vector<StagedName> finished_;   // not yet renamed, in order
    size_t renamed_ = 0;                 // finished_[0, renamed_) have their names
};
