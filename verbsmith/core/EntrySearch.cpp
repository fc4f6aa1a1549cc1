#include "verbsmith/core/EntrySearch.h"

namespace {

// Lowered as the system lowers text for the user's language, so that "Ä"
// finds "ä".
tstring Lowered(tstring text) {
    if (!text.empty())
        CharLowerBuff(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

EntrySearch::EntrySearch(const EntryList& rows) {
    haystacks_.reserve(rows.size());
    for (const EntryRow& row : rows)
        haystacks_.push_back(Lowered(row.name + _T("\n") + row.category + _T("\n") + row.value + _T("\n")));
}

std::vector<size_t> EntrySearch::Matches(const tstring& text) const {
    const tstring wanted = Lowered(text);
    std::vector<size_t> matches;
    matches.reserve(haystacks_.size());
    for (size_t i = 0; i < haystacks_.size(); ++i)
        if (haystacks_[i].find(wanted) != tstring::npos)
            matches.push_back(i);
    return matches;
}
