#pragma once
// Resource and control identifiers of the dialog that restores backups.
#define IDD_RESTORE            160

// Controls
#define IDC_BACKUP_INTRO       1001
#define IDC_BACKUP_LIST        1002
#define IDC_RESTORE_BACKUP     1003
