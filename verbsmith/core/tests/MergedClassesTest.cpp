#include "CoreFixture.h"
#include "verbsmith/core/EntryModel.h"
#include <iterator>

namespace {
const TCHAR kVerbs[] = _T("*\\shell"), kHandlers[] = _T("*\\shellex\\ContextMenuHandlers");
// The half holds the entry's own key with another value only: a handler
// without a default value, a verb without a "command" key.
const TCHAR kOther[] = _T("<other value only>");
constexpr EntryScope kUser = EntryScope::kUser, kMachine = EntryScope::kMachine,
                     kBoth = EntryScope::kMachineChangedForUser;

// One entry as each half spells and holds it (nullptr: not at all) and the
// row the list makes of it, in list order: the verbs' location first, then
// the handlers sorted by name across both halves.
struct MergeCase {
    const TCHAR *location, *userName, *machineName, *user, *machine, *shownName, *shownValue;
    EntryScope scope;
};
const MergeCase kCases[] = {
    {kVerbs, _T("Print"), _T("Print"), kOther, _T("print.exe"), _T("Print"), _T("print.exe"), kBoth},
    {kHandlers, _T("Alpha"), nullptr, _T("{A}"), nullptr, _T("Alpha"), _T("{A}"), kUser},
    {kHandlers, nullptr, _T("Bravo"), nullptr, _T("{B}"), _T("Bravo"), _T("{B}"), kMachine},
    {kHandlers, _T("charlie"), _T("Charlie"), _T("{C-user}"), _T("{C}"), _T("charlie"), _T("{C-user}"), kBoth},
    {kHandlers, _T("Delta"), _T("Delta"), _T("-{D}"), _T("{D}"), _T("Delta"), _T("-{D}"), kBoth},
    {kHandlers, _T("Echo"), _T("Echo"), kOther, _T("{E}"), _T("Echo"), _T("{E}"), kBoth},
};

void Put(HKEY root, const tstring& location, const TCHAR* name, const TCHAR* value) {
    const tstring classes = _T("Software\\Classes\\");
    if (name && value == tstring(kOther))
        reg::SetText(root, classes + location + _T("\\") + name, _T("Extended"), _T(""));
    else if (name)
        reg::SetText(root, classes + EntryKeyPath(location, name), _T(""), value);
}

class MergedClassesTest : public CoreFixture {};
}  // namespace

// Written in reverse order, so the list order cannot come from the order of
// writing.
TEST_F(MergedClassesTest, ListsBothHalvesOnceEachWithTheUsersValuesFirst) {
    for (size_t i = std::size(kCases); i-- > 0;) {
        Put(HKEY_CURRENT_USER, kCases[i].location, kCases[i].userName, kCases[i].user);
        Put(HKEY_LOCAL_MACHINE, kCases[i].location, kCases[i].machineName, kCases[i].machine);
    }

    const EntryList list = ScanEntryList(power, translation);

    ASSERT_EQ(std::size(kCases), list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(kCases[i].shownName);
        EXPECT_EQ(kCases[i].shownName, list[i].name);
        EXPECT_EQ(kCases[i].shownValue, list[i].value);
        EXPECT_EQ(kCases[i].scope, list[i].scope);
    }
}
