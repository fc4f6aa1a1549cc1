#include "verbsmith/core/ClassicMenu.h"
#include "common/WindowsBuild.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/MergedClasses.h"

namespace {

const DWORD kFirstWindows11Build = 22000;

// Below the user's classes, in the view the key's backups are taken in.
RegistryPlace UserClassesPlace(const tstring& path) {
    RegistryPlace place = classes::UserPlace(path);
    place.view = ViewOfKey(ClassicMenuKeyName());
    return place;
}

RegistryPlace ServerPlace() {
    return UserClassesPlace(kClassicMenuClassPath + tstring(_T("\\InprocServer32")));
}

WriteResult DeleteClassKey() {
    const tstring path = kClassicMenuClassPath;
    const size_t slash = path.rfind(_T('\\'));
    return registry::DeleteKeyTree(UserClassesPlace(path.substr(0, slash)), path.substr(slash + 1));
}

}  // namespace

bool ClassicMenuOffered() { return RunningWindows().Build() >= kFirstWindows11Build; }

bool ClassicMenuOn() { return registry::KeyExists(ServerPlace()); }

bool SwitchClassicMenu(EditorHost& host, bool on) {
    const tstring entry = host.Text(texts::kClassicMenuItem);
    return ChangeWithBackup(
        host,
        [&](std::wstring& savedFile) {
            return EditorBackups().SaveKey(on ? BackupOperation::Add : BackupOperation::Remove, entry,
                                           ClassicMenuKeyName(), &savedFile);
        },
        [&] {
            return OutcomeOf(ReportedAsDone(
                host, entry, on ? registry::WriteText(ServerPlace(), _T(""), _T("")) : DeleteClassKey()));
        });
}
