#include "verbsmith/core/SpecialEntries.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/SendToFolder.h"

namespace {

// The path of the file Name names directly inside the Send To folder (with
// its ".lnk" ending for a shortcut being written); empty, after telling the
// user why, when there is none.
tstring SendToFilePath(const PowerClass& power, const CTranslation& translation, HWND owner,
                       const tstring& name, bool asLink) {
    if (!IsPlainFileName(name)) {
        ShowEditorMessage(translation, owner, texts::kBadSendToName);
        return tstring();
    }
    const tstring folder = SendToFolder(power);
    if (folder.empty()) {
        ShowEditorMessage(translation, owner, texts::kNoSendToFolder);
        return tstring();
    }
    return folder + _T("\\") + (asLink ? SendToLinkName(name) : name);
}

// Saves the Send To file at path as it is (or that there is none).
bool BackedUpFile(const CTranslation& translation, HWND owner, BackupOperation operation,
                  const tstring& path) {
    const size_t slash = path.rfind(_T('\\'));
    return BackedUp(translation, owner,
                    EditorBackups().SaveSendToFile(operation, path.substr(0, slash),
                                                   path.substr(slash + 1)));
}

}  // namespace

bool CanReachSendToFile(const PowerClass& power, const CTranslation& translation, HWND owner,
                        const tstring& name) {
    return !SendToFilePath(power, translation, owner, name, false).empty();
}

void AddSpecialHandler(PowerClass& power, const CTranslation& translation, HWND owner, int button) {
    for (const SpecialHandler& handler : SpecialHandlers) {
        if (handler.button != button)
            continue;
        power.subKey = handler.key;
        const tstring key = handler.key;
        const tstring name = key.substr(key.rfind(_T('\\')) + 1);   // "Copy To", "Move To"
        const BackupOperation operation =
            &handler == &SpecialHandlers[0] ? BackupOperation::CopyTo : BackupOperation::MoveTo;
        if (!BackedUp(translation, owner, EditorBackups().SaveClassesKey(operation, name, key)))
            return;
        if (ReportedAsDone(translation, owner, name,
                           power.WriteRegistryValue(PowerClass::kClassesRoot, _T(""), handler.classId)))
            ShowEditorMessage(translation, owner, texts::kEntryAdded);
    }
}

tstring SendToLinkName(const tstring& name) {
    const size_t length = name.size();
    const tstring ending = length >= 4 ? name.substr(length - 4) : tstring();
    if (ending == _T(".lnk") || ending == _T(".LNK"))
        return name;
    return name + _T(".lnk");
}

bool CreateSendToShortcut(PowerClass& power, const CTranslation& translation, HWND owner,
                          const tstring& name, const tstring& value) {
    const tstring linkPath = SendToFilePath(power, translation, owner, name, true);
    if (linkPath.empty() || !BackedUpFile(translation, owner, BackupOperation::Add, linkPath))
        return false;
    return ReportedAsDone(translation, owner, name,
                          PowerClass::CreateShortcut(value, linkPath,
                                                     translation.GetText(texts::kShortcutDescription)),
                          false);
}

bool ReplaceSendToShortcut(PowerClass& power, const CTranslation& translation, HWND owner,
                           const tstring& name, const tstring& value) {
    const tstring listed = SendToFilePath(power, translation, owner, name, false);
    if (listed.empty())
        return false;
    const tstring linkPath = PowerClass::FolderOfPath(listed) + _T("\\") + SendToLinkName(name);
    if (!BackedUpFile(translation, owner, BackupOperation::Edit, linkPath))
        return false;
    return ReportedAsDone(translation, owner, name,
                          PowerClass::RetargetShortcut(listed, linkPath, value,
                                                       translation.GetText(texts::kShortcutDescription)),
                          false);
}

bool DeleteSendToShortcut(PowerClass& power, const CTranslation& translation, HWND owner,
                          const tstring& name) {
    const tstring path = SendToFilePath(power, translation, owner, name, false);
    if (path.empty() || !BackedUpFile(translation, owner, BackupOperation::Remove, path))
        return false;
    const WriteResult deleted{DeleteFile(path.c_str()) ? ERROR_SUCCESS : GetLastError()};
    return ReportedAsDone(translation, owner, name, deleted, false);
}
