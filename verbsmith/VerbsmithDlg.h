#pragma once
// The context-menu editor's main window: the entry list with its four buttons
// and the menu, and the commands on the selected entry.
#include "common/MainWindow.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/Handles.h"
#include "framework/KeyFilter.h"
#include "verbsmith/core/EntryMarks.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/EntryScan.h"
#include "verbsmith/core/EntrySearch.h"
#include "verbsmith/WindowEditorHost.h"
#include <memory>
#include <optional>

class CVerbsmithDlg : public MainWindow {
public:
    CVerbsmithDlg();
    ~CVerbsmithDlg() override;

    // Rebuilds the columns, the rows and the count line from the registry
    // and the Send To folder; the search in the box stays.
    void RefreshEntryList();
    // What the selected row allows, as a click or a key selects it.
    void UpdateButtonStates() { UpdateButtonStates(SelectedRow()); }

    // Every row of the last scan, each with its key path and kind; the list
    // shows those the search leaves.
    const EntryList& Rows() const { return rows_; }
    // Whether Remove and Edit show the shield (buttons have no message that
    // says so).
    bool ShieldsShown() const { return shieldsShown_; }

protected:
    BOOL OnInitDialog() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFirstInitialisation() override;
    void OnTextsApplied() override;
    void OnDpiChanged(int dpi) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool MayClose(int how) override;

private:
    // After a change: the texts and the list anew.
    void Refresh() { InitializeWindow(false); }
    void CreateImageList();
    // The list's font in bold, for the rows that carry a mark.
    void CreateBoldFont();

    ListView List() const;
    int SelectedRow() const;
    // The entry a list row shows; nullptr for no row.
    EntryRow* EntryOfRow(int row);
    const EntryRow* EntryOfRow(int row) const;
    // The rows the search leaves, in the list; the count line says how many.
    void ShowMatchingRows();
    tstring SearchText() const;
    // Ctrl+F anywhere in the window; Enter and Escape in the search box.
    bool OnKey(const MSG& key);
    // The list asks for what it draws: a cell's text and image, the row
    // that begins with what the user types, a marked row's bold font.
    void GiveRowData(LVITEM& item) const;
    [[nodiscard]] int RowStartingWith(const LVFINDINFO& find, int start) const;
    [[nodiscard]] LRESULT DrawStage(NMLVCUSTOMDRAW& draw) const;
    bool Allowed(const EntryRow& entry, bool RowCommands::*command);
    // The row commands at the selected row: a right click, Shift+F10 and
    // the Menu key (where: the click's screen point, or -1 from a key).
    void ShowRowMenu(LPARAM where);
    // Without administrator rights a machine-wide entry is changed in a
    // Verbsmith that has them: the shields on Remove and Edit say so, and
    // choosing either offers that Verbsmith instead of the change.
    void UpdateShields(int listRow);
    // The line under the list: the handler's file, or nothing.
    void ShowDetails(int listRow);
    // listRow: the row being selected, which the selection mark follows
    // only later.
    void UpdateButtonStates(int listRow);
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
    std::vector<size_t> shown_;   // the rows_ the list shows, in order
    std::unique_ptr<EntrySearch> search_;
    std::optional<EntryMarks> marks_;   // set by the first scan
    std::unique_ptr<KeyFilter> keys_;
    bool shieldsShown_ = false;
    ImageListHandle imageList_;
    Font boldFont_;
    WindowEditorHost host_{*this, Texts()};
};
