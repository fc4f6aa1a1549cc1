#include "verbsmith/core/SpecialEntries.h"
#include "common/RegistryPlace.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/SendToFolder.h"

namespace {

// The path of the file Name names directly inside the Send To folder (with
// its ".lnk" ending for a shortcut being written); empty, after telling the
// user why, when there is none.
tstring SendToFilePath(EditorHost& host, const tstring& name, bool asLink) {
    if (!IsPlainFileName(name)) {
        host.Tell(texts::kBadSendToName);
        return tstring();
    }
    const tstring folder = SendToFolder();
    if (folder.empty()) {
        host.Tell(texts::kNoSendToFolder);
        return tstring();
    }
    return folder + _T("\\") + (asLink ? SendToLinkName(name) : name);
}

// Saves the Send To file at path as it is (or that there is none), then
// makes the change; a refused change takes its backup away again.
bool ChangeSendToFile(EditorHost& host, BackupOperation operation, const tstring& path,
                      const std::function<bool()>& change) {
    const size_t slash = path.rfind(_T('\\'));
    return ChangeWithBackup(
        host,
        [&](std::wstring& savedFile) {
            return EditorBackups().SaveSendToFile(operation, path.substr(0, slash),
                                                  path.substr(slash + 1), &savedFile);
        },
        [&] { return OutcomeOf(change()); });
}

}  // namespace

bool CanReachSendToFile(EditorHost& host, const tstring& name) {
    return !SendToFilePath(host, name, false).empty();
}

void AddSpecialHandler(EditorHost& host, int button, ClassesHalf half) {
    for (const SpecialHandler& handler : SpecialHandlers) {
        if (handler.button != button)
            continue;
        const tstring key = handler.key;
        const tstring name = key.substr(key.rfind(_T('\\')) + 1);   // "Copy To", "Move To"
        const BackupOperation operation =
            &handler == &SpecialHandlers[0] ? BackupOperation::CopyTo : BackupOperation::MoveTo;
        if (ChangeClassesKey(host, operation, name, half, key, [&] {
                return OutcomeOf(ReportedAsDone(
                    host, name, registry::WriteText(HalfPlace(half, key), _T(""), handler.classId)));
            }))
            host.Tell(texts::kEntryAdded);
    }
}

tstring SendToLinkName(const tstring& name) {
    const size_t length = name.size();
    const tstring ending = length >= 4 ? name.substr(length - 4) : tstring();
    if (ending == _T(".lnk") || ending == _T(".LNK"))
        return name;
    return name + _T(".lnk");
}

bool CreateSendToShortcut(EditorHost& host, const tstring& name, const tstring& value) {
    const tstring linkPath = SendToFilePath(host, name, true);
    return !linkPath.empty() &&
           ChangeSendToFile(host, BackupOperation::Add, linkPath, [&] {
               return ReportedAsDone(host, name,
                                     PowerClass::CreateShortcut(value, linkPath,
                                                                host.Text(texts::kShortcutDescription)),
                                     false);
           });
}

bool ReplaceSendToShortcut(EditorHost& host, const tstring& name, const tstring& value) {
    const tstring listed = SendToFilePath(host, name, false);
    if (listed.empty())
        return false;
    const tstring linkPath = PowerClass::FolderOfPath(listed) + _T("\\") + SendToLinkName(name);
    return ChangeSendToFile(host, BackupOperation::Edit, linkPath, [&] {
        return ReportedAsDone(host, name,
                              PowerClass::RetargetShortcut(listed, linkPath, value,
                                                           host.Text(texts::kShortcutDescription)),
                              false);
    });
}

bool DeleteSendToShortcut(EditorHost& host, const tstring& name) {
    const tstring path = SendToFilePath(host, name, false);
    return !path.empty() && ChangeSendToFile(host, BackupOperation::Remove, path, [&] {
        const WriteResult deleted{DeleteSendToFile(path)};
        return ReportedAsDone(host, name, deleted, false);
    });
}
