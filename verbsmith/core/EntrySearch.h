#pragma once
// The search above the entry list: which rows a typed text leaves shown.
// Rows are compared as they are, without a rescan, so that a keystroke costs
// only a pass over texts already in memory.
#include "verbsmith/core/EntryScan.h"
#include <vector>

class EntrySearch {
public:
    // The rows' name, category and value, lowered once, for every search
    // until the next scan.
    explicit EntrySearch(const EntryList& rows);

    // The indices of the rows whose name, category or value contains the
    // text, ignoring case, in list order; every row for an empty text.
    [[nodiscard]] std::vector<size_t> Matches(const tstring& text) const;

private:
    // One text per row: its three fields, lowered, each ending in a line
    // break, which a search text from a one-line box never holds, so that
    // no match reaches from one field into the next.
    std::vector<tstring> haystacks_;
};
