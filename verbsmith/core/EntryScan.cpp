#include "verbsmith/core/EntryScan.h"
#include "framework/Handles.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/HiddenVerbs.h"
#include "verbsmith/core/MergedClasses.h"
#include "verbsmith/core/SendToFolder.h"
#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>
#include <utility>

namespace {

// The list shows a default value that is no REG_SZ text as "No REG_SZ", and
// a missing one as nothing.
tstring ShownValue(const std::optional<RegistryValue>& value) {
    if (!value)
        return tstring();
    return value->type == REG_SZ ? value->text : PowerClass::kNoRegSz;
}

void ScanRegistryLocation(const tstring& location, const tstring& category, int iconIndex,
                          EntryList& list) {
    const std::optional<std::vector<MergedName>> names = classes::ListSubKeys(location);
    if (!names)
        return;
    const EntryKind kind = IsHandlerLocation(location) ? EntryKind::kHandler : EntryKind::kShell;
    for (const MergedName& name : *names) {
        EntryRow row;
        row.name = name.name;
        row.category = category;
        row.iconIndex = iconIndex;
        row.keyPath = EntryKeyPath(location, name.name);
        row.kind = kind;
        row.scope = name.scope;
        list.push_back(std::move(row));
    }
}

// The value the row shows and, for a verb, whether it is hidden. A verb's
// key path ends in "\command".
void ReadRegistryRow(EntryRow& row) {
    row.value = ShownValue(classes::ReadValue(row.keyPath, _T(""), row.scope));
    if (row.kind == EntryKind::kShell)
        row.hidden = IsHiddenVerb(row.keyPath.substr(0, row.keyPath.rfind(_T('\\'))), row.scope);
}

void ReadRows(EntryList& list, size_t first, size_t last) {
    for (size_t i = first; i < last; ++i)
        ReadRegistryRow(list[i]);
}

// Every read is a round trip to the registry (to a server process under
// Wine) that mostly waits: the rows are independent, so a few threads read
// slices of them side by side and the scan takes a fraction of the time.
// The calling thread reads the last slice, and alone a location of a few
// rows, or whatever is left when no further thread can be started.
void ReadRegistryRows(EntryList& list, size_t from) {
    const size_t threads = 4, fewRows = 64;
    const size_t rows = list.size() - from;
    const size_t slice = rows <= fewRows ? rows : (rows + threads - 1) / threads;
    std::vector<std::thread> readers;
    size_t first = from;
    for (; rows > 0 && first + slice < list.size(); first += slice) {
        try {
            readers.emplace_back(ReadRows, std::ref(list), first, first + slice);
        } catch (const std::system_error&) {
            break;
        }
    }
    ReadRows(list, first, list.size());
    for (std::thread& reader : readers)
        reader.join();
}

// A plain sub folder is no entry; one with further attributes (hidden,
// read-only, ...) is listed like a file.
bool IsListedSendToItem(const WIN32_FIND_DATA& found) {
    const tstring name = found.cFileName;
    return name != _T(".") && name != _T("..") && name != _T("desktop.ini") &&
           found.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY;
}

void ScanSendToFolder(PowerClass& power, const CTranslation& translation, EntryList& list) {
    const tstring folder = SendToFolder();
    if (folder.empty())
        return;   // without the folder the pattern would search the drive's root
    const tstring pattern = folder + _T("\\") + _T("/*");
    WIN32_FIND_DATA found;
    const FindHandle search(FindFirstFile(pattern.c_str(), &found));
    if (!search)
        return;
    const tstring category = translation.GetText(texts::kSendToCategory);
    do {
        if (!IsListedSendToItem(found))
            continue;
        EntryRow row;
        row.name = found.cFileName;
        row.category = category;
        row.iconIndex = kSendToIcon;
        row.keyPath = kSendToMarker;
        row.kind = EntryKind::kSendTo;
        row.scope = EntryScope::kUser;   // the user's own folder
        row.value = power.ReadShortcut(folder + _T("\\") + found.cFileName);
        row.unreadableLink = row.value.empty();
        if (row.unreadableLink)
            row.value = translation.GetText(texts::kUnreadableLink);
        list.push_back(std::move(row));
    } while (FindNextFile(search.Get(), &found));
}

}  // namespace

void ScanLocation(PowerClass& power, const CTranslation& translation, const tstring& location,
                  const tstring& category, int iconIndex, EntryList& list) {
    if (location == kSendToLocation) {
        ScanSendToFolder(power, translation, list);
        return;
    }
    const size_t first = list.size();
    ScanRegistryLocation(location, category, iconIndex, list);
    ReadRegistryRows(list, first);
}

EntryList ScanEntryList(PowerClass& power, const CTranslation& translation) {
    EntryList list;
    for (const Location& location : LocationTable)
        ScanLocation(power, translation, location.path, translation.GetText(location.categoryText),
                     location.iconIndex, list);
    return list;
}

int ScopeText(EntryScope scope) {
    switch (scope) {
    case EntryScope::kUser:
        return texts::kScopeUser;
    case EntryScope::kMachineChangedForUser:
        return texts::kScopeMachineChangedForUser;
    case EntryScope::kMachine:
        break;
    }
    return texts::kScopeMachine;
}

tstring FourthColumn(const CTranslation& translation, const EntryRow& row) {
    tstring cell = translation.GetText(ScopeText(row.scope));
    const auto append = [&](int text) { cell += _T(", ") + translation.GetText(text); };
    if (row.hidden)
        append(texts::kHiddenMark);
    if (row.mark == EntryMark::kNew)
        append(texts::kNewMark);
    else if (row.mark == EntryMark::kBackAgain)
        append(texts::kBackAgainMark);
    return cell;
}

tstring CountLine(const CTranslation& translation, size_t rowCount) {
    return FormatText(translation.GetText(texts::kCountLine), {static_cast<unsigned long long>(rowCount)});
}

tstring CountLine(const CTranslation& translation, size_t shownRows, size_t rowCount) {
    return FormatText(translation.GetText(texts::kFilteredCountLine),
                      {static_cast<unsigned long long>(shownRows), static_cast<unsigned long long>(rowCount)});
}
