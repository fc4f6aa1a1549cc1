#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/EditorTexts.h"

const TCHAR kSendToLocation[] = _T("SendTo");
const TCHAR kSendToMarker[] = _T("Send To");

// Scanned in this order; the list shows the rows as found.
const Location LocationTable[kLocationCount] = {
    {kSendToLocation, texts::kSendToCategory, kSendToIcon},
    {_T("*\\shell"), 30, 6},
    {_T("*\\shellex\\ContextMenuHandlers"), 30, 6},
    {_T("AllFileSystemObjects\\shell"), 35, 2},
    {_T("AllFileSystemObjects\\shellex\\ContextMenuHandlers"), 35, 2},
    {_T("Folder\\shell"), 40, 3},
    {_T("Folder\\shellex\\ContextMenuHandlers"), 40, 3},
    {_T("Directory\\shell"), 40, 3},
    {_T("Directory\\shellex\\ContextMenuHandlers"), 40, 3},
    {_T("SystemFileAssociations\\Directory.Audio\\shell"), 45, 4},
    {_T("SystemFileAssociations\\Directory.Audio\\shellex\\ContextMenuHandlers"), 45, 4},
    {_T("SystemFileAssociations\\Directory.Video\\shell"), 50, 5},
    {_T("SystemFileAssociations\\Directory.Video\\shellex\\ContextMenuHandlers"), 50, 5},
    {_T("SystemFileAssociations\\Directory.Image\\shell"), 55, 0},
    {_T("SystemFileAssociations\\Directory.Image\\shellex\\ContextMenuHandlers"), 55, 0},
    {_T("Drive\\shell"), 60, 1},
    {_T("Drive\\shellex\\ContextMenuHandlers"), 60, 1},
};

// "Directory\shell" and the handler locations are never chosen for a new
// entry: category 40 goes under "Folder\shell".
const EntryType EntryTypes[kEntryTypeCount] = {
    {170, nullptr},
    {30, _T("*\\shell")},
    {35, _T("AllFileSystemObjects\\shell")},
    {40, _T("Folder\\shell")},
    {45, _T("SystemFileAssociations\\Directory.Audio\\shell")},
    {50, _T("SystemFileAssociations\\Directory.Video\\shell")},
    {55, _T("SystemFileAssociations\\Directory.Image\\shell")},
    {60, _T("Drive\\shell")},
    {texts::kSendToCategory, nullptr},
};

const ProgramChoice ProgramChoices[kProgramChoiceCount] = {
    {130, _T("")},
    {135, _T("notepad.exe")},
    {140, _T("pbrush.exe")},
    {145, _T("regedit")},
    {150, _T("charmap.exe")},
    {155, _T("cleanmgr.exe")},
    {160, _T("clipbrd.exe")},
    {165, _T("cmd.exe")},
    {450, _T("ACCWIZ.EXE")},
    {455, _T("CONTROL.EXE")},
    {460, _T("EVENTVWR.EXE")},
    {465, _T("EXPLORER.EXE")},
    {470, _T("HELPCTR.EXE")},
    {475, _T("IEXPLORE.EXE")},
    {480, _T("LOGOFF.EXE")},
    {485, _T("MAGNIFY.EXE")},
    {490, _T("MOVIEMK.EXE")},
    {495, _T("MSINFO32.EXE")},
    {500, _T("OSK.EXE")},
    {505, _T("PERFMON.EXE")},
    {510, _T("SHRPUBW.EXE")},
    {515, _T("TASKMGR.EXE")},
    {520, _T("USERINIT.EXE")},
};

// Registry key names compare without regard to case, so "AllFilesystemObjects"
// is the same key as the listed "AllFileSystemObjects".
const SpecialHandler SpecialHandlers[kSpecialHandlerCount] = {
    {1001, _T("AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Copy To"),
     _T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}")},
    {1002, _T("AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Move To"),
     _T("{C2FBB631-2971-11D1-A18C-00C04FD75D13}")},
};

bool IsHandlerLocation(const tstring& location) {
    return location.find(_T("shellex")) != tstring::npos;
}

tstring EntryKeyPath(const tstring& location, const tstring& name) {
    tstring path = location + _T("\\") + name;
    if (!IsHandlerLocation(location))
        path += _T("\\command");
    return path;
}

const Location* LocationOfEntry(const tstring& keyPath, const tstring& name) {
    if (name.empty() || name.find(_T('\\')) != tstring::npos)
        return nullptr;
    for (const Location& location : LocationTable) {
        if (location.path == tstring(kSendToLocation))
            continue;
        if (EntryKeyPath(location.path, name) == keyPath)
            return &location;
    }
    return nullptr;
}

tstring TypeWriteLocation(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kEntryTypeCount || !EntryTypes[typeIndex].writeLocation)
        return tstring();
    return EntryTypes[typeIndex].writeLocation;
}

tstring WithoutAll(tstring text, const tstring& part) {
    for (size_t at = text.find(part); at != tstring::npos; at = text.find(part, at))
        text.erase(at, part.size());
    return text;
}

bool BeginsWith(const tstring& text, const tstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsActiveHandlerValue(const tstring& value) {
    return BeginsWith(value, _T("{"));
}

bool IsDeactivatedHandlerValue(const tstring& value) {
    return BeginsWith(value, _T("-{"));
}

tstring ToggledHandlerValue(const tstring& value) {
    if (IsActiveHandlerValue(value))
        return _T("-") + value;
    if (IsDeactivatedHandlerValue(value))
        return value.substr(1);
    return value;
}
