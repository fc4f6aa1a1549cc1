#pragma once
// The dialog that lists the backups of the editor's changes, newest first,
// and puts the chosen one back.
#include "common/Translation.h"
#include "framework/Dialog.h"
#include "verbsmith/core/BackupStore.h"
#include "verbsmith/WindowEditorHost.h"

class RestoreDlg : public Dialog {
public:
    RestoreDlg();

    // True once a restore was tried: the main window's list may be stale.
    bool restored = false;
    // True when a Verbsmith with administrator rights started to restore a
    // machine-wide backup: the main window makes way for it.
    bool restartedElevated = false;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnHelp(const HELPINFO& info) override;
    void OnDpiChanged(int dpi) override;

private:
    void FillList();
    tstring LocationText(const Backup& backup) const;
    void RestoreSelected();
    [[nodiscard]] bool HandedToElevation(const Backup& backup);
    void ReportFailure(const Backup& backup, const RestoreResult& result);

    CTranslation translation_;
    WindowEditorHost host_{*this, translation_};
    std::vector<Backup> backups_;
};
