#include "RestoreDlg.h"
#include "verbsmith/ListColumns.h"
#include "RestoreDlgIds.h"
#include "common/HelpFile.h"
#include "common/TextTables.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorMessages.h"
#include "verbsmith/core/KeyNames.h"
#include "verbsmith/core/RestoreScope.h"
#include "ElevatedRestart.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/SendToFolder.h"

namespace {

const std::vector<ControlText> kControlTexts = {{IDC_RESTORE_BACKUP, texts::kRestoreButton},
                                                 {IDCANCEL, texts::kCloseButton}};

const ListColumns kColumns = {{texts::kTimeColumn, 130},
                              {texts::kChangeColumn, 80},
                              {texts::kEntryColumn, 140},
                              {texts::kLocationColumn, 290}};

tstring FileNameOf(const Backup& backup) { return backup.path.substr(backup.path.rfind(L'\\') + 1); }

}  // namespace

RestoreDlg::RestoreDlg() : Dialog(IDD_RESTORE), translation_(EditorDialects()) {}

BOOL RestoreDlg::OnInitDialog() {
    translation_.Load();
    SetText(translation_.GetText(texts::kRestoreCaption));
    SetItemText(IDC_BACKUP_INTRO,
                FormatText(translation_.GetText(texts::kRestoreIntroduction), {EditorBackups().Folder()}));
    ApplyControlTexts(Handle(), translation_, kControlTexts);
    ListView list(Item(IDC_BACKUP_LIST));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InsertListColumns(list, kColumns, translation_, Dpi());
    FillList();
    return TRUE;
}

void RestoreDlg::OnDpiChanged(int dpi) {
    ScaleListColumns(ListView(Item(IDC_BACKUP_LIST)), kColumns, dpi);
}

void RestoreDlg::FillList() {
    ListView list(Item(IDC_BACKUP_LIST));
    list.DeleteAll();
    backups_ = EditorBackups().List();
    for (size_t i = 0; i < backups_.size(); ++i) {
        const Backup& backup = backups_[i];
        const int row = list.InsertRow(list.Count(), BackupTimeText(backup.time), -1,
                                       static_cast<LPARAM>(i));
        list.SetCell(row, 1,
                     translation_.GetText(texts::kFirstOperation + static_cast<int>(backup.operation)));
        list.SetCell(row, 2, backup.readError ? translation_.GetText(texts::kUnreadableMark) : backup.entry);
        list.SetCell(row, 3, LocationText(backup));
    }
    if (!backups_.empty())
        list.Select(0);
}

// A key by its full name; a Send To file by the Send To category and its
// name; an unreadable backup by its file's name.
tstring RestoreDlg::LocationText(const Backup& backup) const {
    if (backup.readError)
        return FileNameOf(backup);
    if (backup.kind == BackupKind::Key)
        return backup.location;
    return translation_.GetText(texts::kSendToCategory) + _T(": ") + backup.location;
}

bool RestoreDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_RESTORE_BACKUP) {
        RestoreSelected();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool RestoreDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
    if (id == IDC_BACKUP_LIST && header.code == NM_DBLCLK)
        RestoreSelected();
    return false;
}

bool RestoreDlg::OnHelp(const HELPINFO&) {
    OpenHelpFile(Handle());
    return true;
}

void RestoreDlg::RestoreSelected() {
    const ListView list(Item(IDC_BACKUP_LIST));
    const int row = list.Selected();
    if (row < 0) {
        host_.Tell(texts::kNothingChosen);
        return;
    }
    const Backup backup = backups_[static_cast<size_t>(list.RowData(row))];
    if (backup.readError) {
        ReportFailure(backup, {RestoreStep::Reading, backup.readError, {}});
        return;
    }
    if (HandedToElevation(backup))
        return;
    if (!host_.Ask(FormatText(translation_.GetText(texts::kRestoreQuestion),
                              {backup.entry, BackupTimeText(backup.time)})))
        return;
    const RestoreResult result = EditorBackups().Restore(backup, SendToFolder());
    if (result.failedAt == RestoreStep::None) {
        restored = true;
        host_.Tell(texts::kRestored);
        EndDialog(IDOK);
        return;
    }
    ReportFailure(backup, result);
    FillList();
}

// A backup of the machine's half is put back by a Verbsmith with
// administrator rights, as every change there is.
bool RestoreDlg::HandedToElevation(const Backup& backup) {
    const bool machine = backup.kind == BackupKind::Key && KeyLiesAtOrBelow(backup.location, kMachineClassesName);
    return DialogHandedToElevation(*this, host_, machine ? ClassesHalf::kMachine : ClassesHalf::kUser,
                                   restartedElevated);
}

// Up to the backing up nothing has changed; a restore that failed while it
// applied may have changed keys all the same.
void RestoreDlg::ReportFailure(const Backup& backup, const RestoreResult& result) {
    switch (result.failedAt) {
    case RestoreStep::Reading:
        host_.Tell(FailureText(
            FormatText(translation_.GetText(texts::kUnreadableBackup), {FileNameOf(backup)}), result.error));
        break;
    case RestoreStep::Checking:
        host_.Tell(FormatText(translation_.GetText(texts::kForeignKey),
                              {FileNameOf(backup), result.foreignKey}));
        break;
    case RestoreStep::BackingUp:
        BackedUp(host_, result.error);
        break;
    default:
        restored = true;
        ShowFailedChange(host_, backup.entry, result.error, backup.kind == BackupKind::Key);
    }
}
