#include "verbsmith/core/EntrySearch.h"
#include <gtest/gtest.h>

namespace {

EntryRow Row(const TCHAR* name, const TCHAR* category, const TCHAR* value) {
    EntryRow row;
    row.name = name;
    row.category = category;
    row.value = value;
    return row;
}

}  // namespace

TEST(EntrySearchTest, KeepsTheRowsWhoseNameCategoryOrValueHoldTheTextIgnoringCase) {
    const EntryList rows = {Row(_T("Open with Editor"), _T("All files"), _T("C:\\Tools\\editor.exe \"%1\"")),
                            Row(_T("Play"), _T("Audio folders"), _T("{A1B2}")),
                            Row(_T("Übersetzen"), _T("Folders"), _T("-{C3D4}"))};
    const EntrySearch search(rows);
    const struct {
        const TCHAR* text;
        std::vector<size_t> shown;
    } cases[] = {
        {_T(""), {0, 1, 2}},
        {_T("EDITOR"), {0}},              // name and value, one row once
        {_T("folders"), {1, 2}},          // the category
        {_T("{c3"), {2}},                 // the value, case ignored
        {_T("übersetzen"), {2}},          // beyond ASCII
        {_T("files\nPlay"), {}},          // never across two fields
        {_T("nowhere"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, search.Matches(c.text)) << c.text;
}
