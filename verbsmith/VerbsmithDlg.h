#pragma once
// The context-menu editor's main window: the entry list with its four buttons
// and the menu, and the commands on the selected entry.
#include "common/MainWindow.h"
#include "framework/Controls.h"
#include "framework/Handles.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/EntryScan.h"
#include "verbsmith/WindowEditorHost.h"

class CVerbsmithDlg : public MainWindow {
public:
    CVerbsmithDlg();
    ~CVerbsmithDlg() override;

    // Rebuilds the columns, the rows and the count line from the registry
    // and the Send To folder.
    void RefreshEntryList();
    // After a click in the list: what the selected row allows.
    void UpdateButtonStates();

    // The rows as the list shows them, each with its key path and kind.
    const EntryList& Rows() const { return rows_; }
    // Whether Remove and Edit show the shield (buttons have no message that
    // says so).
    bool ShieldsShown() const { return shieldsShown_; }

protected:
    void OnFirstInitialisation() override;
    void OnTextsApplied() override;
    void OnDpiChanged(int dpi) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    // After a change: the texts and the list anew.
    void Refresh() { InitializeWindow(false); }
    void CreateImageList();

    ListView List() const;
    int SelectedRow() const;
    // The entry a list row shows; nullptr for no row.
    EntryRow* EntryOfRow(int row);
    bool Allowed(const EntryRow& entry, bool RowCommands::*command);
    // Without administrator rights a machine-wide entry is changed in a
    // Verbsmith that has them: the shields on Remove and Edit say so, and
    // choosing either offers that Verbsmith instead of the change.
    void UpdateShields();
    // true when the change is not to be made here (offered, refused or
    // handed over to the elevated Verbsmith, for which this window closes).
    [[nodiscard]] bool HandedToElevation(ClassesHalf half);

    void AddEntry();
    void EditSelectedEntry();
    void ToggleSelectedEntry();
    void RemoveSelectedEntry();
    void ExecuteSelectedEntry();
    void CheckEntries();
    void RestoreFromBackup();
    // Windows 11's classic context menu: the check mark says whether it is on.
    void ShowClassicMenuState();
    void SwitchClassicMenuOver();

    EntryList rows_;
    bool shieldsShown_ = false;
    ImageListHandle imageList_;
    WindowEditorHost host_{*this, Texts()};
};
