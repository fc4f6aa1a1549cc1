#include "verbsmith/core/EntryScan.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/SendToFolder.h"

namespace {

void ScanRegistryLocation(PowerClass& power, const tstring& location, const tstring& category,
                          int iconIndex, EntryList& list) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, location.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    power.EnumerateKey(key);
    RegCloseKey(key);
    // The value reads below reuse the PowerClass, so keep the names apart.
    const tstrings names = power.subKeyNames;
    for (const tstring& name : names) {
        const tstring keyPath = EntryKeyPath(location, name);
        power.subKey = keyPath;
        list.rows.push_back({name, category, power.ReadRegistryText(PowerClass::kClassesRoot, _T("")),
                             iconIndex});
        list.entryKeyPaths.push_back(keyPath);
    }
}

// A plain sub folder is no entry; one with further attributes (hidden,
// read-only, ...) is listed like a file.
bool IsListedSendToItem(const WIN32_FIND_DATA& found) {
    const tstring name = found.cFileName;
    return name != _T(".") && name != _T("..") && name != _T("desktop.ini") &&
           found.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY;
}

void ScanSendToFolder(PowerClass& power, const CTranslation& translation, EntryList& list) {
    const tstring folder = SendToFolder(power);
    if (folder.empty())
        return;   // without the folder the pattern would search the drive's root
    const tstring pattern = folder + _T("\\") + _T("/*");
    WIN32_FIND_DATA found;
    HANDLE search = FindFirstFile(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const tstring category = translation.GetText(texts::kSendToCategory);
    do {
        if (!IsListedSendToItem(found))
            continue;
        const tstring target = power.ReadShortcut(folder + _T("\\") + found.cFileName);
        list.rows.push_back({found.cFileName, category,
                             target.empty() ? translation.GetText(texts::kUnreadableLink) : target,
                             kSendToIcon});
        list.entryKeyPaths.push_back(kSendToMarker);
    } while (FindNextFile(search, &found));
    FindClose(search);
}

}  // namespace

void ScanLocation(PowerClass& power, const CTranslation& translation, const tstring& location,
                  const tstring& category, int iconIndex, EntryList& list) {
    if (location == kSendToLocation)
        ScanSendToFolder(power, translation, list);
    else
        ScanRegistryLocation(power, location, category, iconIndex, list);
}

EntryList ScanEntryList(PowerClass& power, const CTranslation& translation) {
    EntryList list;
    for (const Location& location : LocationTable)
        ScanLocation(power, translation, location.path, translation.GetText(location.categoryText),
                     location.iconIndex, list);
    return list;
}

tstring CountLine(const CTranslation& translation, size_t rowCount) {
    return FormatText(translation.GetText(texts::kCountLine), {static_cast<unsigned long long>(rowCount)});
}
