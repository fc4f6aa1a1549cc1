#include "slicewise/core/StagedSet.h"

void StagedSet::Finish() {
    // Room first, so that the temporary file is never without an owner.
    finished_.emplace_back();
    finished_.back() = file_.Finish();
}

void StagedSet::CommitNext() {
    StagedFile::Rename(finished_[renamed_]);
    ++renamed_;
}

void StagedSet::Discard() noexcept {
    file_.Discard();
    for (size_t i = renamed_; i < finished_.size(); ++i)
        if (!finished_[i].temporary.empty())
            StagedFile::Delete(finished_[i].temporary);
    finished_.clear();
    renamed_ = 0;
}
