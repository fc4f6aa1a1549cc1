// The main window in-process: the list it shows, the buttons a click allows,
// and every command, checked against the registry and the Send To folder.
#include "EditorTestEnvironment.h"
#include "verbsmith/VerbsmithDlg.h"
#include "common/Handshake.h"
#include "common/PowerClass.h"
#include "verbsmith/AddEditDlgIds.h"
#include "verbsmith/RestoreDlgIds.h"
#include "verbsmith/resource.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "framework/ModulePath.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "tests/support/ForcedWindowsBuild.h"
#include <commctrl.h>

namespace {

const TCHAR kAllFiles[] = _T("*\\shell");
const TCHAR kAllFilesHandlers[] = _T("*\\shellex\\ContextMenuHandlers");
const TCHAR kClassId[] = _T("{0D8B8E3C-2F41-4A3B-9F0E-6C1A2B3C4D5E}");

class MainWindowTest : public EditorTest {
protected:
    // Opens the window on what the test prepared.
    void Open() {
        ASSERT_TRUE(window_.Create());
        main_ = DialogDriver(window_.Handle());
    }
    int Row(const tstring& name) const {
        for (int row = 0; row < main_.RowCount(IDC_ENTRY_LIST); ++row)
            if (main_.Cell(IDC_ENTRY_LIST, row, 0) == name)
                return row;
        ADD_FAILURE() << "no row for the entry";
        return -1;
    }
    void ClickRow(int row, bool doubleClick = false) {
        main_.ClickRow(IDC_ENTRY_LIST, row, doubleClick);
    }
    tstring MenuText(int menu, int position) const {
        const HMENU bar = main_.Menu();
        const HMENU target = menu < 0 ? bar : GetSubMenu(bar, menu);
        TCHAR text[128] = {};
        GetMenuString(target, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
        return text;
    }
    static tstring CountLine(unsigned long long rows) {
        return FormatText(Text(texts::kCountLine), {rows});
    }
    tstring Heading(int column) const {
        TCHAR text[64] = {};
        LVCOLUMN info = {};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 64;
        ListView_GetColumn(main_.Item(IDC_ENTRY_LIST), column, &info);
        return text;
    }

    CVerbsmithDlg window_;
    DialogDriver main_{nullptr};
};

}  // namespace

TEST_F(MainWindowTest, ListsEveryLocationInOrderWithColumnsImagesAndCountLine) {
    AddUnreadableSendToFile(_T("Broken.lnk"));
    AddVerb(kAllFiles, _T("Open with Notepad"), _T("notepad.exe %1"));
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    AddVerb(_T("Drive\\shell"), _T("Tidy"), _T("cleanmgr.exe"));
    Open();

    ASSERT_EQ(4, main_.RowCount(IDC_ENTRY_LIST));
    const tstring expected[4][3] = {
        {_T("Broken.lnk"), _T("Send To"), Text(texts::kUnreadableLink)},
        {_T("Open with Notepad"), _T("All files"), _T("notepad.exe %1")},
        {_T("Scanner"), _T("All files"), kClassId},
        {_T("Tidy"), _T("Drives"), _T("cleanmgr.exe")},
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(expected[row][column], main_.Cell(IDC_ENTRY_LIST, row, column));
    const int images[4] = {7, 6, 6, 1};
    ListView list(main_.Item(IDC_ENTRY_LIST));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(images[row], list.Image(row));
    const tstrings paths = {_T("Send To"), _T("*\\shell\\Open with Notepad\\command"),
                            _T("*\\shellex\\ContextMenuHandlers\\Scanner"),
                            _T("Drive\\shell\\Tidy\\command")};
    tstrings keyPaths;
    for (const EntryRow& row : window_.Rows())
        keyPaths.push_back(row.keyPath);
    EXPECT_EQ(paths, keyPaths);
    EXPECT_EQ(CountLine(4), main_.Text(IDC_COUNT_LINE));

    // A second run builds the same four columns, not eight.
    window_.RefreshEntryList();
    const HWND header = ListView_GetHeader(main_.Item(IDC_ENTRY_LIST));
    EXPECT_EQ(4, Header_GetItemCount(header));
    EXPECT_EQ(Text(texts::kColumnName), Heading(0));
    EXPECT_EQ(Text(texts::kColumnCategory), Heading(1));
    EXPECT_EQ(Text(texts::kColumnValue), Heading(2));
    const int widths[3] = {130, 120, 300};
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(widths[column], ListView_GetColumnWidth(main_.Item(IDC_ENTRY_LIST), column));
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(main_.Item(IDC_ENTRY_LIST)) & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(4, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(4u, window_.Rows().size());
}

TEST_F(MainWindowTest, ClickedRowDecidesWhichButtonsWork) {
    AddUnreadableSendToFile(_T("Broken.lnk"));
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    AddHandler(kAllFilesHandlers, _T("Active"), kClassId);
    AddHandler(kAllFilesHandlers, _T("Sleeping"), tstring(_T("-")) + kClassId);
    Open();
    for (int id : {IDC_REMOVE, IDC_TOGGLE, IDC_EDIT, IDC_ADD})
        EXPECT_TRUE(main_.IsEnabled(id)) << id;

    ClickRow(Row(_T("Edit")));
    EXPECT_TRUE(main_.IsEnabled(IDC_TOGGLE));
    EXPECT_EQ(Text(texts::kDeactivateButton), main_.Text(IDC_TOGGLE));
    EXPECT_TRUE(main_.IsEnabled(IDC_REMOVE));
    EXPECT_TRUE(main_.IsEnabled(IDC_EDIT));

    ClickRow(Row(_T("Active")));
    EXPECT_TRUE(main_.IsEnabled(IDC_TOGGLE));
    EXPECT_EQ(Text(texts::kDeactivateButton), main_.Text(IDC_TOGGLE));
    EXPECT_EQ(FormatText(Text(texts::kClassNotRegisteredLine), {kClassId}), main_.Text(IDC_DETAILS_LINE));
    EXPECT_FALSE(main_.IsEnabled(IDC_REMOVE));
    EXPECT_TRUE(main_.IsEnabled(IDC_EDIT));

    ClickRow(Row(_T("Sleeping")));
    EXPECT_TRUE(main_.IsEnabled(IDC_TOGGLE));
    EXPECT_EQ(Text(texts::kActivateButton), main_.Text(IDC_TOGGLE));
    EXPECT_FALSE(main_.IsEnabled(IDC_REMOVE));

    ClickRow(Row(_T("Broken.lnk")));
    EXPECT_FALSE(main_.IsEnabled(IDC_TOGGLE));
    EXPECT_EQ(Text(texts::kDeactivateButton), main_.Text(IDC_TOGGLE));
    EXPECT_FALSE(main_.IsEnabled(IDC_REMOVE));
    EXPECT_FALSE(main_.IsEnabled(IDC_EDIT));
    EXPECT_TRUE(main_.IsEnabled(IDC_ADD));
}

// What the toggle writes is the engine's; the window updates the row in
// place (no new scan) and the button's text.
TEST_F(MainWindowTest, DeactivatesAndActivatesTheRowInPlace) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    Open();
    const tstring countLine = main_.Text(IDC_COUNT_LINE);
    const int row = Row(_T("Scanner"));

    ClickRow(row);
    main_.Click(IDC_TOGGLE);
    EXPECT_EQ(tstring(_T("-")) + kClassId, main_.Cell(IDC_ENTRY_LIST, row, 2));
    EXPECT_EQ(Text(texts::kActivateButton), main_.Text(IDC_TOGGLE));
    EXPECT_TRUE(main_.HasFocus(IDC_ENTRY_LIST));

    main_.Click(IDC_TOGGLE);
    EXPECT_EQ(kClassId, main_.Cell(IDC_ENTRY_LIST, row, 2));
    EXPECT_EQ(Text(texts::kDeactivateButton), main_.Text(IDC_TOGGLE));

    EXPECT_EQ(countLine, main_.Text(IDC_COUNT_LINE));
    EXPECT_EQ(2, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MainWindowTest, ToggleWithoutSelectionOnlyTellsTheUser) {
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    Open();
    main_.Click(IDC_TOGGLE);
    ExpectBoxes(window_.Handle(), {{Text(texts::kNothingToToggle)}});
    EXPECT_EQ(kClassId, reg::GetText(HKEY_CLASSES_ROOT,
                                     tstring(kAllFilesHandlers) + _T("\\Scanner"), _T("")));
}

TEST_F(MainWindowTest, RemoveAnsweredYesDeletesTheVerbKeyOnly) {
    AddVerb(kAllFiles, _T("First"), _T("one.exe"));
    AddVerb(kAllFiles, _T("Second"), _T("two.exe"));
    Open();
    ClickRow(Row(_T("First")));
    ui_.QueueButton(IDYES);
    main_.Click(IDC_REMOVE);

    ExpectBoxes(window_.Handle(),
                {{Text(texts::kRemoveQuestion1) + _T("\n\n") + Text(texts::kRemoveQuestion2),
                  MB_YESNO | MB_ICONQUESTION},
                 {Text(texts::kRemoved)}});
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\First")));
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Second\\command")));
    ASSERT_EQ(1, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(_T("Second"), main_.Cell(IDC_ENTRY_LIST, 0, 0));
    EXPECT_EQ(CountLine(1), main_.Text(IDC_COUNT_LINE));
}

// Typing filters at once; the search stays through the refresh after a
// change; Ctrl+F reaches the box, Enter leaves it for the list, Escape
// empties it.
TEST_F(MainWindowTest, TheSearchBoxFiltersTheRowsThroughChangesAndTakesItsKeys) {
    AddVerb(kAllFiles, _T("Print"), _T("C:\\Tools\\printer.exe"));
    AddVerb(kAllFiles, _T("Play"), _T("C:\\Tools\\player.exe"));
    AddVerb(kAllFiles, _T("Print more"), _T("C:\\Tools\\press.exe"));
    Open();
    // Keys reach the active window only: another test's window, started
    // beside this one, may have taken the activation.
    const auto press = [&](int id, WPARAM key, UINT message = WM_KEYDOWN) {
        SetForegroundWindow(window_.Handle());
        PostMessage(main_.Item(id), message, key, 0);
        main_.Pump();
    };
    EXPECT_TRUE(main_.HasFocus(IDC_ENTRY_LIST));
    press(IDC_ENTRY_LIST, 6, WM_CHAR);   // Ctrl+F
    EXPECT_TRUE(main_.HasFocus(IDC_SEARCH));

    main_.Type(IDC_SEARCH, _T("PRINT"));
    ASSERT_EQ(2, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(FormatText(Text(texts::kFilteredCountLine), {2ULL, 3ULL}), main_.Text(IDC_COUNT_LINE));
    ClickRow(Row(_T("Print more")));
    ui_.QueueButton(IDYES);
    main_.Click(IDC_REMOVE);
    ASSERT_EQ(1, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(_T("Print"), main_.Cell(IDC_ENTRY_LIST, 0, 0));
    EXPECT_EQ(FormatText(Text(texts::kFilteredCountLine), {1ULL, 2ULL}), main_.Text(IDC_COUNT_LINE));

    SetFocus(main_.Item(IDC_SEARCH));
    press(IDC_SEARCH, VK_ESCAPE);
    EXPECT_EQ(_T(""), main_.Text(IDC_SEARCH));
    EXPECT_EQ(2, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(CountLine(2), main_.Text(IDC_COUNT_LINE));
    press(IDC_SEARCH, VK_RETURN);
    EXPECT_TRUE(main_.HasFocus(IDC_ENTRY_LIST));
    EXPECT_TRUE(IsWindow(window_.Handle()));
}

// The window remembers its entries as it closes; the next start marks in
// the fourth column what appeared since.
TEST_F(MainWindowTest, AnEntryThatAppearedSinceTheLastCloseIsMarkedNew) {
    AddVerb(kAllFiles, _T("Old"), _T("old.exe"));
    {
        CVerbsmithDlg first;
        ASSERT_TRUE(first.Create());
        DialogDriver(first.Handle()).Close();
    }
    AddVerb(kAllFiles, _T("Fresh"), _T("fresh.exe"));
    Open();
    EXPECT_EQ(Text(texts::kScopeMachine), main_.Cell(IDC_ENTRY_LIST, Row(_T("Old")), 3));
    EXPECT_EQ(Text(texts::kScopeMachine) + _T(", ") + Text(texts::kNewMark),
              main_.Cell(IDC_ENTRY_LIST, Row(_T("Fresh")), 3));
}

TEST_F(MainWindowTest, RemoveAnsweredNoKeepsEverything) {
    AddVerb(kAllFiles, _T("First"), _T("one.exe"));
    Open();
    ClickRow(0);
    ui_.QueueButton(IDNO);
    main_.Click(IDC_REMOVE);
    EXPECT_EQ(1u, ui_.messages.size());
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\First\\command")));
    EXPECT_EQ(1, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_TRUE(main_.HasFocus(IDC_ENTRY_LIST));
}

TEST_F(MainWindowTest, RemoveWithoutSelectionAsksNothing) {
    AddVerb(kAllFiles, _T("First"), _T("one.exe"));
    Open();
    main_.Click(IDC_REMOVE);
    ExpectBoxes(window_.Handle(), {{Text(texts::kNothingToRemove)}});
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\First\\command")));
}

// The buttons keep what the last click set; the keyboard then moves the
// selection to a handler, and later nothing is selected at all.
TEST_F(MainWindowTest, RemoveActsOnlyOnASelectedRowThatItsRulesAllow) {
    AddVerb(kAllFiles, _T("First"), _T("one.exe"));
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    Open();
    ClickRow(Row(_T("First")));
    ListView list(main_.Item(IDC_ENTRY_LIST));
    list.Select(Row(_T("Scanner")));   // as a key selects it: the buttons follow
    ListView_SetSelectionMark(list.Handle(), Row(_T("Scanner")));
    EXPECT_FALSE(main_.IsEnabled(IDC_REMOVE));
    main_.Command(IDC_REMOVE);   // as a key or the dialog manager could still send it
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_TRUE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shellex\\ContextMenuHandlers\\Scanner")));

    ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED);
    main_.Click(IDC_TOGGLE);
    ExpectBoxes(window_.Handle(), {{Text(texts::kNothingToToggle)}});
    EXPECT_EQ(kClassId, reg::GetText(HKEY_CLASSES_ROOT, _T("*\\shellex\\ContextMenuHandlers\\Scanner"), _T("")));
}

// Shift+F10 and the Menu key (WM_CONTEXTMENU at -1) offer the row's
// commands as its buttons do, and the one chosen acts on the row.
TEST_F(MainWindowTest, TheListsContextMenuOffersTheRowsCommands) {
    AddVerb(kAllFiles, _T("First"), _T("one.exe"));
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    Open();
    ClickRow(Row(_T("Scanner")));
    SendMessage(window_.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main_.Item(IDC_ENTRY_LIST)), -1);
    ClickRow(Row(_T("First")));
    ui_.QueueMenuChoice(IDC_REMOVE);
    ui_.QueueButton(IDYES);
    SendMessage(window_.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main_.Item(IDC_ENTRY_LIST)), -1);
    const tstrings handler = {Text(texts::kEditButton), Text(texts::kDeactivateButton),
                              _T("-") + Text(texts::kRemoveButton), _T(""), Text(texts::kRowMenuExecute)};
    const tstrings verb = {Text(texts::kEditButton), Text(texts::kDeactivateButton),
                           Text(texts::kRemoveButton), _T(""), Text(texts::kRowMenuExecute)};
    EXPECT_EQ((std::vector<tstrings>{handler, verb}), ui_.menus);
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\First")));
}

TEST_F(MainWindowTest, RemoveOfASendToRowDeletesItsFile) {
    AddUnreadableSendToFile(_T("Old.lnk"));
    ASSERT_TRUE(PowerClass::CreateShortcut(_T("C:\\Tools\\viewer.exe"), sendTo_ / _T("Viewer.lnk"), _T("")));
    Open();
    ClickRow(Row(_T("Viewer.lnk")));
    main_.Click(IDC_REMOVE);   // the recording double answers Yes
    EXPECT_FALSE(files::Exists(sendTo_ / _T("Viewer.lnk")));
    EXPECT_TRUE(files::Exists(sendTo_ / _T("Old.lnk")));
    EXPECT_EQ(1, main_.RowCount(IDC_ENTRY_LIST));
}

TEST_F(MainWindowTest, DoubleClickEditsEveryRowButAnUnreadableLink) {
    AddUnreadableSendToFile(_T("Broken.lnk"));
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    Open();
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) {
        DialogDriver edit(dialog);
        EXPECT_EQ(_T("Edit"), edit.Text(IDC_NAME));
        EXPECT_EQ(_T("notepad.exe %1"), edit.Text(IDC_VALUE));
        EXPECT_FALSE(edit.IsEnabled(IDC_NAME));
        edit.Click(IDCANCEL);
    });
    ClickRow(Row(_T("Edit")), true);
    EXPECT_EQ(1, modal.Handled());
    EXPECT_TRUE(main_.HasFocus(IDC_ENTRY_LIST));

    ClickRow(Row(_T("Broken.lnk")), true);
    EXPECT_EQ(1, modal.Handled());
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MainWindowTest, EditWithoutSelectionTellsTheUser) {
    Open();
    main_.Click(IDC_EDIT);
    ExpectBoxes(window_.Handle(), {{Text(texts::kNothingToEdit)}});
}

TEST_F(MainWindowTest, EditingAShellEntryRewritesOnlyItsCommand) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    Open();
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) {
        DialogDriver edit(dialog);
        EXPECT_EQ(1, edit.ComboSelection(IDC_ENTRY_TYPE));
        edit.Type(IDC_VALUE, _T("C:\\Tools\\Writer.exe \"%1\""));
        edit.Click(IDOK);
    });
    ClickRow(0);
    main_.Click(IDC_EDIT);
    ASSERT_EQ(1, modal.Handled());
    EXPECT_EQ(_T("C:\\Tools\\Writer.exe \"%1\""),
              reg::GetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit\\command"), _T("")));
    EXPECT_EQ(_T("Edit"), reg::GetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit"), _T("")));
    ASSERT_EQ(1u, ui_.messages.size());
    EXPECT_EQ(Text(texts::kEntryChanged), ui_.messages[0].text);
    EXPECT_EQ(_T("C:\\Tools\\Writer.exe \"%1\""), main_.Cell(IDC_ENTRY_LIST, 0, 2));
}

TEST_F(MainWindowTest, EditingAHandlerDisablesTheToolsAndRewritesItsValueOnly) {
    AddHandler(_T("Drive\\shellex\\ContextMenuHandlers"), _T("Scanner"), kClassId);
    Open();
    const TCHAR newId[] = _T("{11111111-2222-3333-4444-555555555555}");
    ModalDialogHandler modal;
    modal.Expect([&newId](HWND dialog) {
        DialogDriver edit(dialog);
        EXPECT_EQ(Text(texts::kHandlerValueLabel), edit.Text(IDC_VALUE_LABEL));
        for (int id : {IDC_BROWSE_FILE, IDC_BROWSE_FOLDER, IDC_PROGRAM, IDC_ADD_PARAMETER,
                       IDC_REMOVE_PARAMETER, IDC_CHECK_COMMAND, IDC_NAME, IDC_ENTRY_TYPE,
                       IDC_ADD_COPY_TO, IDC_ADD_MOVE_TO})
            EXPECT_FALSE(edit.IsEnabled(id)) << id;
        EXPECT_EQ(7, edit.ComboSelection(IDC_ENTRY_TYPE));   // Drives
        edit.Type(IDC_VALUE, newId);
        edit.Click(IDOK);
    });
    ClickRow(0, true);
    ASSERT_EQ(1, modal.Handled());
    const tstring key = _T("Drive\\shellex\\ContextMenuHandlers\\Scanner");
    EXPECT_EQ(newId, reg::GetText(HKEY_CLASSES_ROOT, key, _T("")));
    EXPECT_TRUE(reg::SubKeys(HKEY_CLASSES_ROOT, key).empty());
    EXPECT_EQ(tstrings{_T("Drive")}, reg::SubKeys(HKEY_CLASSES_ROOT, _T("")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Drive\\shell")));
}

namespace {

// Adds one entry through the add dialog opened by the Add button.
void AddThroughDialog(DialogDriver& main, int type, const tstring& name, const tstring& value) {
    ModalDialogHandler modal;
    modal.Expect([&](HWND dialog) {
        DialogDriver add(dialog);
        EXPECT_TRUE(add.IsEnabled(IDC_ENTRY_TYPE));
        EXPECT_EQ(0, add.ComboSelection(IDC_ENTRY_TYPE));
        add.PickCombo(IDC_ENTRY_TYPE, type);
        EXPECT_TRUE(add.HasFocus(IDC_NAME));
        add.Type(IDC_NAME, name);
        add.Type(IDC_VALUE, value);
        add.Click(IDOK);
    });
    main.Click(IDC_ADD);
    EXPECT_EQ(1, modal.Handled());
}

}  // namespace

TEST_F(MainWindowTest, AddsAShellEntryOfEveryRegistryType) {
    Open();
    const TCHAR* const locations[] = {
        _T("*\\shell"), _T("AllFileSystemObjects\\shell"), _T("Folder\\shell"),
        _T("SystemFileAssociations\\Directory.Audio\\shell"),
        _T("SystemFileAssociations\\Directory.Video\\shell"),
        _T("SystemFileAssociations\\Directory.Image\\shell"), _T("Drive\\shell")};
    for (int type = 1; type <= 7; ++type) {
        const tstring name = _T("Verb ") + std::to_wstring(type);
        AddThroughDialog(main_, type, name, _T("C:\\Tools\\tool.exe %1"));
        const tstring key = tstring(locations[type - 1]) + _T("\\") + name;
        EXPECT_EQ(name, reg::GetText(HKEY_CLASSES_ROOT, key, _T(""))) << type;
        EXPECT_EQ(_T("C:\\Tools\\tool.exe %1"),
                  reg::GetText(HKEY_CLASSES_ROOT, key + _T("\\command"), _T("")));
    }
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("Directory\\shell")));
    ASSERT_EQ(7u, ui_.messages.size());
    EXPECT_EQ(Text(texts::kEntryAdded), ui_.messages[6].text);
    EXPECT_EQ(7, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(_T("Folders"), main_.Cell(IDC_ENTRY_LIST, Row(_T("Verb 3")), 1));
}

TEST_F(MainWindowTest, AddsASendToShortcut) {
    Open();
    AddThroughDialog(main_, 8, _T("My Editor"), _T("C:\\Tools\\editor.exe"));
    EXPECT_EQ(tstrings{_T("My Editor.lnk")}, files::List(sendTo_.Path()));
    const int row = Row(_T("My Editor.lnk"));
    EXPECT_EQ(_T("Send To"), main_.Cell(IDC_ENTRY_LIST, row, 1));
    EXPECT_EQ(_T("C:\\Tools\\editor.exe"), main_.Cell(IDC_ENTRY_LIST, row, 2));
}

TEST_F(MainWindowTest, AddRefusesThePlaceholderTypeAndWritesNothing) {
    Open();
    ModalDialogHandler modal;
    modal.Expect([this](HWND dialog) {
        DialogDriver add(dialog);
        add.Type(IDC_NAME, _T("Orphan"));
        add.Type(IDC_VALUE, _T("notepad.exe"));
        add.Click(IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
        ExpectBoxes(dialog, {{Text(texts::kEntryIncomplete)}});
        add.Click(IDCANCEL);
    });
    main_.Click(IDC_ADD);
    EXPECT_EQ(1, modal.Handled());
    EXPECT_TRUE(reg::SubKeys(HKEY_CLASSES_ROOT, _T("")).empty());
    EXPECT_TRUE(files::List(sendTo_.Path()).empty());
    EXPECT_EQ(0, main_.RowCount(IDC_ENTRY_LIST));
}

TEST_F(MainWindowTest, ExecuteStartsTheProgramWithoutItsPlaceholders) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    AddVerb(kAllFiles, _T("Pair"), _T("C:\\Tools\\diff.exe %1 %2"));
    Open();
    ClickRow(Row(_T("Edit")));
    main_.MenuCommand(ID_FUNCTIONS_EXECUTE);
    ClickRow(Row(_T("Pair")));
    main_.MenuCommand(ID_FUNCTIONS_EXECUTE);
    ASSERT_EQ(2u, ui_.shells.size());
    EXPECT_EQ(_T("open"), ui_.shells[0].start.verb);
    EXPECT_EQ(_T("notepad.exe"), ui_.shells[0].start.file);
    EXPECT_EQ(_T(""), ui_.shells[0].start.parameters);
    EXPECT_EQ(SW_SHOWNORMAL, ui_.shells[0].start.show);
    EXPECT_EQ(window_.Handle(), ui_.shells[0].start.owner);
    EXPECT_EQ(_T("C:\\Tools\\diff.exe"), ui_.shells[1].start.file);
    EXPECT_EQ(_T(""), ui_.shells[1].start.parameters);
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MainWindowTest, ExecuteRefusesHandlersAndMissingSelection) {
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    Open();
    main_.MenuCommand(ID_FUNCTIONS_EXECUTE);
    ClickRow(0);
    main_.MenuCommand(ID_FUNCTIONS_EXECUTE);
    EXPECT_TRUE(ui_.shells.empty());
    ExpectBoxes(window_.Handle(), {{Text(texts::kNothingToExecute)}, {Text(texts::kCannotExecute)}});
}

TEST_F(MainWindowTest, CheckReportsTheBrokenEntryOnly) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    AddVerb(kAllFiles, _T("Gone"), _T("C:\\Missing\\gone.exe %1"));
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    reg::SetText(HKEY_CLASSES_ROOT, tstring(_T("CLSID\\")) + kClassId + _T("\\InprocServer32"), _T(""),
                 _T("shell32.dll"));
    Open();
    main_.MenuCommand(ID_FUNCTIONS_CHECK);
    ExpectBoxes(window_.Handle(),
                {{Text(texts::kCheckReport) + _T("\n\nGone\n\n(C:\\Missing\\gone.exe)")},
                 {Text(texts::kCheckEnd)}});
}

TEST_F(MainWindowTest, CheckOfAnEmptyListEndsAtOnce) {
    Open();
    ASSERT_EQ(0, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(CountLine(0), main_.Text(IDC_COUNT_LINE));
    main_.MenuCommand(ID_FUNCTIONS_CHECK);
    ExpectBoxes(window_.Handle(), {{Text(texts::kCheckEndClean)}});
}

TEST_F(MainWindowTest, LanguageChangeTranslatesMenusButtonsHeadingsAndRows) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    Open();
    EXPECT_EQ(_T("&File"), MenuText(-1, 0));
    EXPECT_EQ(_T("  &Language Selection"), MenuText(0, 0));

    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) {
        DialogDriver language(dialog);
        EXPECT_EQ(_T("Please select your language:"), language.Text(1008));
        EXPECT_TRUE(language.PickComboText(1024, _T("Deutsch")));
        language.Click(IDOK);
    });
    main_.MenuCommand(ID_FILE_LANGUAGE);
    ASSERT_EQ(1, modal.Handled());

    EXPECT_NE(std::string::npos, ConfigFile().find("Language\r\n[1031]\r\n"));
    EXPECT_EQ(_T("&Datei"), MenuText(-1, 0));
    EXPECT_EQ(_T("&Funktionen"), MenuText(-1, 1));
    EXPECT_EQ(_T("&Hilfe"), MenuText(-1, 2));
    EXPECT_EQ(_T("  &Sprachauswahl"), MenuText(0, 0));
    EXPECT_EQ(_T("  &Beenden"), MenuText(0, 2));
    EXPECT_EQ(_T("  Einträge auf &Fehler prüfen"), MenuText(1, 4));
    EXPECT_EQ(_T("  Ü&ber..."), MenuText(2, 3));
    EXPECT_EQ(_T("Eintrag &entfernen"), main_.Text(IDC_REMOVE));
    EXPECT_EQ(_T("Eintrag deakti&vieren"), main_.Text(IDC_TOGGLE));
    EXPECT_EQ(_T("Vorhandene Einträge im Rechtsklickmenü:"), main_.Text(IDC_ENTRIES_GROUP));
    EXPECT_EQ(_T("Kategorie"), Heading(1));
    EXPECT_EQ(_T("Alle Dateien"), main_.Cell(IDC_ENTRY_LIST, 0, 1));
    EXPECT_EQ(_T("Sie haben zurzeit 1 Einträge im Rechtsklickmenü!"), main_.Text(IDC_COUNT_LINE));
}

TEST_F(MainWindowTest, RowImagesServeAsNormalAndSmallList) {
    Open();
    const HWND list = main_.Item(IDC_ENTRY_LIST);
    const HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
    ASSERT_NE(nullptr, images);
    EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_NORMAL));
    EXPECT_EQ(8, ImageList_GetImageCount(images));
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(16, width);
    EXPECT_EQ(16, height);
    // The refresh after a command keeps the same list attached.
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) { DialogDriver(dialog).Click(IDCANCEL); });
    main_.Click(IDC_ADD);
    EXPECT_EQ(1, modal.Handled());
    EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_SMALL));
    EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_NORMAL));
}

// A DPI change of the window's monitor brings row images and columns of its
// size; a refresh keeps them.
TEST_F(MainWindowTest, DpiChangeBringsRowImagesAndColumnsOfItsSize) {
    Open();
    const HWND list = main_.Item(IDC_ENTRY_LIST);
    const auto changeTo = [&](int dpi) {
        RECT suggested = {0, 0, 800, 600};
        SendMessage(window_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                    reinterpret_cast<LPARAM>(&suggested));
    };
    const struct {
        int dpi, image, columns[3];
    } cases[] = {{144, 24, {195, 180, 450}}, {120, 20, {163, 150, 375}}, {96, 16, {130, 120, 300}}};
    for (const auto& c : cases) {
        changeTo(c.dpi);
        const HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
        EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_NORMAL));
        EXPECT_EQ(8, ImageList_GetImageCount(images));
        int width = 0, height = 0;
        ImageList_GetIconSize(images, &width, &height);
        EXPECT_EQ(c.image, width) << c.dpi;
        EXPECT_EQ(c.image, height) << c.dpi;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.columns[i], ListView_GetColumnWidth(list, i)) << c.dpi;
    }
    changeTo(144);
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) { DialogDriver(dialog).Click(IDCANCEL); });
    main_.Click(IDC_ADD);
    EXPECT_EQ(195, ListView_GetColumnWidth(list, 0));
}

TEST_F(MainWindowTest, CountLineIsBlueOnTheWindowFace) {
    Open();
    const HDC dc = GetDC(window_.Handle());
    const LRESULT first = SendMessage(window_.Handle(), WM_CTLCOLORSTATIC,
                                      reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(main_.Item(IDC_COUNT_LINE)));
    EXPECT_EQ(RGB(33, 93, 198), GetTextColor(dc));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetBkColor(dc));
    const LRESULT second = SendMessage(window_.Handle(), WM_CTLCOLORDLG,
                                       reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(window_.Handle()));
    EXPECT_NE(0, first);
    EXPECT_EQ(first, second) << "one brush for everything";
    ReleaseDC(window_.Handle(), dc);
}

// The way back from a change, from the Functions menu: the backup listed
// newest first, put back, the list refreshed.
TEST_F(MainWindowTest, RestoreFromBackupPutsARemovedEntryBack) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    Open();
    ClickRow(Row(_T("Edit")));
    main_.Click(IDC_REMOVE);   // the recording double answers Yes
    ASSERT_EQ(0, main_.RowCount(IDC_ENTRY_LIST));

    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) {
        DialogDriver restore(dialog);
        EXPECT_EQ(Text(texts::kRestoreCaption), restore.Caption());
        ASSERT_EQ(1, restore.RowCount(IDC_BACKUP_LIST));
        EXPECT_EQ(Text(texts::kFirstOperation + int(BackupOperation::Remove)), restore.Cell(IDC_BACKUP_LIST, 0, 1));
        EXPECT_EQ(_T("Edit"), restore.Cell(IDC_BACKUP_LIST, 0, 2));
        EXPECT_EQ(_T("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\*\\shell\\Edit"),
                  restore.Cell(IDC_BACKUP_LIST, 0, 3));
        restore.Click(IDC_RESTORE_BACKUP);
    });
    main_.MenuCommand(ID_FUNCTIONS_RESTORE);
    ASSERT_EQ(1, modal.Handled());

    EXPECT_EQ(_T("notepad.exe %1"), reg::GetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit\\command"), _T("")));
    EXPECT_EQ(1, main_.RowCount(IDC_ENTRY_LIST));
    EXPECT_EQ(Text(texts::kRestored), ui_.messages.back().text);
}

// A machine-wide backup without rights takes the way every machine-wide
// change takes: the elevated Verbsmith restores it, this one makes way.
TEST_F(MainWindowTest, AMachineWideBackupIsRestoredByAnElevatedVerbsmith) {
    AddVerb(kAllFiles, _T("Edit"), _T("notepad.exe %1"));
    Open();
    ClickRow(Row(_T("Edit")));
    main_.Click(IDC_REMOVE);
    const HWND owner = window_.Handle();
    const ForcedElevation filtered(Elevation::kFilteredAdministrator);
    ui_.messages.clear();
    ui_.QueueButton(IDYES);
    ui_.QueueProcess(ERROR_SUCCESS);
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) { DialogDriver(dialog).Click(IDC_RESTORE_BACKUP); });
    main_.MenuCommand(ID_FUNCTIONS_RESTORE);
    ASSERT_EQ(1, modal.Handled());
    ASSERT_EQ(1u, ui_.messages.size());
    EXPECT_EQ(Text(texts::kRestartElevated), ui_.messages[0].text);
    ASSERT_EQ(1u, ui_.shells.size());
    EXPECT_EQ(_T("runas"), ui_.shells[0].start.verb);
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Edit")));
}

// Windows 11 alone offers the classic menu: the item's check mark follows
// the key, and every switch offers the Explorer's restart.
TEST_F(MainWindowTest, TheClassicMenuItemSwitchesItsKeyOnWindows11) {
    const tstring server = _T("Software\\Classes\\CLSID\\{86ca1aa0-34aa-4e8b-a509-50c905bae2a2}\\InprocServer32");
    {
        const ForcedWindowsBuild windows10(19045);
        CVerbsmithDlg older;
        ASSERT_TRUE(older.Create());
        EXPECT_EQ(UINT(-1), GetMenuState(GetMenu(older.Handle()), ID_FUNCTIONS_CLASSIC_MENU, MF_BYCOMMAND));
        EXPECT_EQ(8, GetMenuItemCount(GetSubMenu(GetMenu(older.Handle()), 1)));
    }
    const ForcedWindowsBuild windows11(22000);
    Open();
    const auto checked = [&] {
        return (GetMenuState(GetMenu(window_.Handle()), ID_FUNCTIONS_CLASSIC_MENU, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_FALSE(checked());
    const RecordingUi::Box restart{Text(texts::kRestartExplorer), MB_YESNO | MB_ICONQUESTION};
    ui_.QueueButton(IDYES);
    main_.MenuCommand(ID_FUNCTIONS_CLASSIC_MENU);
    EXPECT_TRUE(reg::KeyExists(HKEY_CURRENT_USER, server));
    EXPECT_TRUE(checked());
    EXPECT_EQ(1, ui_.explorerRestarts);

    ui_.explorerRestartError = ERROR_ACCESS_DENIED;
    ui_.QueueButton(IDYES);
    main_.MenuCommand(ID_FUNCTIONS_CLASSIC_MENU);
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, server));
    EXPECT_FALSE(checked());
    ExpectBoxes(window_.Handle(),
                {restart, restart, {FailureText(Text(texts::kExplorerRestartFailed), ERROR_ACCESS_DENIED)}});
}

// Without its language file the editor says so once and stays English: its
// headings, the toggle button and its messages come from its built-in texts.
TEST_F(MainWindowTest, WithoutItsLanguageFileTheWindowShowsEnglish) {
    AddHandler(kAllFilesHandlers, _T("Scanner"), kClassId);
    DeleteFile((program_ / _T("Verbsmithtrl.ini")).c_str());
    Open();
    DialogDriver::Pump();   // the report comes once the window shows
    EXPECT_EQ(tstrings{}, main_.BlankTexts({IDC_DETAILS_LINE}));
    EXPECT_EQ((tstrings{_T("Name"), _T("Category"), _T("Value / Command line")}),
              (tstrings{Heading(0), Heading(1), Heading(2)}));
    main_.Click(IDC_TOGGLE);
    ClickRow(Row(_T("Scanner")));
    main_.Click(IDC_TOGGLE);
    EXPECT_EQ(_T("Ac&tivate Entry"), main_.Text(IDC_TOGGLE));
    ASSERT_EQ(2u, ui_.messages.size());
    EXPECT_NE(tstring::npos, ui_.messages[0].text.find(program_ / _T("Verbsmithtrl.ini")));
    EXPECT_EQ(_T("Please select the entry that you want to deactivate or activate."),
              ui_.messages[1].text);
    EXPECT_EQ(_T("Vantorel Verbsmith"), ui_.messages[1].caption);
}

// Without rights a machine-wide row shows the shields and is changed only by an elevated Verbsmith.
TEST_F(MainWindowTest, ChangingAMachineRowFollowsTheRights) {
    AddVerb(kAllFiles, _T("Machine"), _T("one.exe"));
    reg::SetText(HKEY_CURRENT_USER, _T("Software\\Classes\\*\\shell\\Mine\\command"), _T(""), _T("two.exe"));
    const RecordingUi::Box restart{Text(texts::kRestartElevated), MB_YESNO | MB_ICONQUESTION};
    const tstring remove = Text(texts::kRemoveQuestion1) + _T("\n\n") + Text(texts::kRemoveQuestion2);
    const struct {
        Elevation elevation;
        int command, answer;
        DWORD startError;
        std::vector<RecordingUi::Box> boxes;
        bool closed;
    } cases[] = {
        {Elevation::kElevated, IDC_REMOVE, IDNO, 0, {{remove, MB_YESNO | MB_ICONQUESTION}}, false},
        {Elevation::kFilteredAdministrator, IDC_REMOVE, IDYES, ERROR_SUCCESS, {restart}, true},
        {Elevation::kFilteredAdministrator, IDC_EDIT, IDYES, ERROR_CANCELLED, {restart}, false},
        {Elevation::kFilteredAdministrator, IDC_REMOVE, IDNO, 0, {restart}, false},
        {Elevation::kStandardUser, IDC_EDIT, IDOK, 0, {{Text(texts::kAdministratorMustChange)}}, false},
    };
    for (const auto& c : cases) {
        const ForcedElevation forced(c.elevation);
        reg::SetText(HKEY_LOCAL_MACHINE, handshake::kKey, handshake::kValue, handshake::kRunning);
        ui_.messages.clear();
        ui_.shells.clear();
        CVerbsmithDlg window;
        ASSERT_TRUE(window.Create());
        const HWND owner = window.Handle();
        DialogDriver main(owner);
        main.ClickRow(IDC_ENTRY_LIST, 1);   // the user's own
        EXPECT_FALSE(window.ShieldsShown());
        main.ClickRow(IDC_ENTRY_LIST, 0);
        EXPECT_EQ(c.elevation != Elevation::kElevated, window.ShieldsShown());
        ui_.QueueButton(c.answer);
        if (c.answer == IDYES)
            ui_.QueueProcess(c.startError);
        ModalDialogHandler noEditor;
        main.Click(c.command);
        ExpectBoxes(owner, c.boxes);
        ASSERT_EQ(c.answer == IDYES ? 1u : 0u, ui_.shells.size()) << int(c.elevation);
        for (const RecordingUi::ShellCall& call : ui_.shells)
            EXPECT_EQ((tstrings{_T("runas"), ModuleFilePath()}), (tstrings{call.start.verb, call.start.file}));
        EXPECT_EQ(c.closed, !IsWindow(owner));
        EXPECT_EQ(c.closed, !reg::ValueExists(HKEY_LOCAL_MACHINE, handshake::kKey, handshake::kValue));
        EXPECT_EQ(_T("one.exe"), reg::GetText(HKEY_CLASSES_ROOT, _T("*\\shell\\Machine\\command"), _T("")));
        EXPECT_TRUE(files::List(backupFolder_.Path()).empty());
    }
}
