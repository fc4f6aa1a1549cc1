#pragma once
// The context-menu editor's main window: the entry list with its four buttons
// and the menu, and the commands on the selected entry.
#include "common/PowerClass.h"
#include "common/Translation.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "verbsmith/core/EntryOperations.h"
#include "verbsmith/core/EntryScan.h"
#include <array>

class CVerbsmithDlg : public Dialog {
public:
    CVerbsmithDlg();
    ~CVerbsmithDlg() override;

    // Rebuilds the columns, the rows, entryKeyPaths and the count line from
    // the registry and the Send To folder.
    void RefreshEntryList();
    // After a click in the list: what the selected row allows.
    void UpdateButtonStates();

    const tstrings& EntryKeyPaths() const { return entryKeyPaths; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnHelp(const HELPINFO& info) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void AddAboutItem();
    // Everything a language change or a changed list needs: the row images,
    // the texts of menus and controls, and the list itself.
    void Reinitialise();
    void AttachImageList();
    void TranslateMenus();
    void TranslateControls();

    ListView List() const { return ListView(Item(1000)); }
    int SelectedRow() const;
    ListedEntry EntryOfRow(int row) const;
    void Message(int textNumber);

    void AddEntry();
    void EditSelectedEntry();
    void ToggleSelectedEntry();
    void RemoveSelectedEntry();
    void ExecuteSelectedEntry();
    void CheckEntries();
    void ChooseLanguage();
    void ShowHelpFile();
    void OpenWebsite();
    void ShowAbout();
    void ClearLauncherHandshake();
    void CloseWindow(INT_PTR result);

    HICON icon_;
    PowerClass power_;
    CTranslation translation_;
    tstrings entryKeyPaths;
    HIMAGELIST imageList_ = nullptr;
    SolidBrush background_;
    std::array<Bitmap, 8> menuBitmaps_;   // one per item of the menu table
};
