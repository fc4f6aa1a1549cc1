#pragma once
// The About box: template 100 of the program (common/AboutDlg.rc), with the
// program's icon, a version line and OK. No behaviour beyond the dialog's own.
#include "common/SharedDialogIds.h"
#include "framework/Dialog.h"

class CAboutDlg : public Dialog {
public:
    explicit CAboutDlg(UINT templateId = IDD_ABOUTBOX);
};
