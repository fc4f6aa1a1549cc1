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
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/SendToFolder.h"

namespace {

enum : int {
    kCaption = 652,
    kIntroduction = 653,    // "%s": the backup folder
    kNothingChosen = 660,
    kQuestion = 661,        // "%s" the entry, "%s" the time
    kRestored = 662,
    kUnreadableMark = 663,  // the entry column of a backup whose lines cannot be read
    kUnreadable = 664,      // "%s": the backup file
    kForeignKey = 665,      // "%s" the backup file, "%s" the key or file it would change
    kFirstOperation = 670,  // 670-677: Add, Edit, Remove, Deactivate, Activate, Copy To, Move To, Restore
};

const std::vector<ControlText> kControlTexts = {{IDC_RESTORE_BACKUP, 658}, {IDCANCEL, 659}};

const ListColumns kColumns = {{654, 130}, {655, 80}, {656, 140}, {657, 290}};

tstring FileNameOf(const Backup& backup) { return backup.path.substr(backup.path.rfind(L'\\') + 1); }

}  // namespace

RestoreDlg::RestoreDlg() : Dialog(IDD_RESTORE), translation_(EditorDialects()) {}

BOOL RestoreDlg::OnInitDialog() {
    translation_.Load();
    SetText(translation_.GetText(kCaption));
    SetItemText(IDC_BACKUP_INTRO,
                FormatText(translation_.GetText(kIntroduction), {EditorBackups().Folder()}));
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
                     translation_.GetText(kFirstOperation + static_cast<int>(backup.operation)));
        list.SetCell(row, 2, backup.readError ? translation_.GetText(kUnreadableMark) : backup.entry);
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
        ShowEditorMessage(translation_, Handle(), kNothingChosen);
        return;
    }
    const Backup backup = backups_[static_cast<size_t>(list.RowData(row))];
    if (backup.readError) {
        ReportFailure(backup, {RestoreStep::Reading, backup.readError, {}});
        return;
    }
    const tstring question =
        FormatText(translation_.GetText(kQuestion), {backup.entry, BackupTimeText(backup.time)});
    if (ShowEditorMessage(translation_, Handle(), question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const RestoreResult result = EditorBackups().Restore(backup, SendToFolder(power_));
    if (result.failedAt == RestoreStep::None) {
        restored = true;
        ShowEditorMessage(translation_, Handle(), kRestored);
        EndDialog(IDOK);
        return;
    }
    ReportFailure(backup, result);
    FillList();
}

// Up to the backing up nothing has changed; a restore that failed while it
// applied may have changed keys all the same.
void RestoreDlg::ReportFailure(const Backup& backup, const RestoreResult& result) {
    const HWND owner = Handle();
    switch (result.failedAt) {
    case RestoreStep::Reading:
        ShowEditorMessage(translation_, owner,
                          FailureText(FormatText(translation_.GetText(kUnreadable), {FileNameOf(backup)}),
                                      result.error));
        break;
    case RestoreStep::Checking:
        ShowEditorMessage(translation_, owner,
                          FormatText(translation_.GetText(kForeignKey), {FileNameOf(backup), result.foreignKey}));
        break;
    case RestoreStep::BackingUp:
        BackedUp(translation_, owner, result.error);
        break;
    default:
        restored = true;
        ShowFailedChange(translation_, owner, backup.entry, result.error, backup.kind == BackupKind::Key);
    }
}
