// The add and edit dialog on its own, created modeless: its lists, the
// parameter and program tools, the pickers, the special entries and OK.
#include "EditorTestEnvironment.h"
#include "verbsmith/AddEditDlg.h"
#include "verbsmith/AddEditDlgIds.h"
#include "framework/testkit/DialogDriver.h"
#include "tests/support/RegistryTree.h"
#include <algorithm>

namespace {

class AddEditTest : public EditorTest {
protected:
    void OpenAdd() { Open(); }
    void OpenEdit(const tstring& keyPath, const tstring& name, const tstring& type,
                  const tstring& value) {
        dialog_.addMode = false;
        dialog_.entryKeyPath = keyPath;
        dialog_.Name = name;
        dialog_.entryTypeText = type;
        dialog_.Value = value;
        Open();
    }
    void Open() {
        ASSERT_TRUE(dialog_.Create());
        ui = DialogDriver(dialog_.Handle());
    }
    // Presses a button and returns the value field afterwards.
    tstring Press(int id) {
        ui.Click(id);
        return ui.Text(IDC_VALUE);
    }

    AddEditDlg dialog_;
    DialogDriver ui{nullptr};
};

}  // namespace

TEST_F(AddEditTest, OffersNineTypesAndTwentyThreePrograms) {
    OpenAdd();
    const tstrings types = {_T("<Choose a type>"), _T("All files"), _T("All file system objects"),
                            _T("Folders"), _T("Audio folders"), _T("Video folders"),
                            _T("Picture folders"), _T("Drives"), _T("Send To")};
    EXPECT_EQ(types, ui.ComboItems(IDC_ENTRY_TYPE));
    EXPECT_EQ(0, ui.ComboSelection(IDC_ENTRY_TYPE));
    const tstrings programs = ui.ComboItems(IDC_PROGRAM);
    ASSERT_EQ(23u, programs.size());
    EXPECT_EQ(_T("<Choose a program>"), programs[0]);
    EXPECT_EQ(_T("Registry Editor"), programs[3]);
    EXPECT_EQ(_T("User Initialisation"), programs[22]);
    EXPECT_EQ(0, ui.ComboSelection(IDC_PROGRAM));
    EXPECT_EQ(Text(texts::kCommandLineLabel), ui.Text(IDC_VALUE_LABEL));
    EXPECT_EQ(Text(texts::kNormalGroup), ui.Text(IDC_NORMAL_GROUP));
    EXPECT_EQ(Text(texts::kAddCopyToButton), ui.Text(IDC_ADD_COPY_TO));
    EXPECT_EQ(Text(texts::kCancelButton), ui.Text(IDCANCEL));
    EXPECT_FALSE(ui.IsVisible(IDC_BROWSE_FOLDER));
}

TEST_F(AddEditTest, AddParameterCountsUpToNineAndStaysThere) {
    OpenAdd();
    ui.Type(IDC_VALUE, _T("notepad.exe"));
    EXPECT_EQ(_T("notepad.exe %1"), Press(IDC_ADD_PARAMETER));
    EXPECT_EQ(_T("notepad.exe %2"), Press(IDC_ADD_PARAMETER));
    for (int i = 3; i <= 9; ++i)
        Press(IDC_ADD_PARAMETER);
    EXPECT_EQ(_T("notepad.exe %9"), ui.Text(IDC_VALUE));
    EXPECT_EQ(_T("notepad.exe %9"), Press(IDC_ADD_PARAMETER));
}

TEST_F(AddEditTest, RemoveParameterCountsDownThenTakesTheBlankAlong) {
    OpenAdd();
    ui.Type(IDC_VALUE, _T("notepad.exe %2"));
    EXPECT_EQ(_T("notepad.exe %1"), Press(IDC_REMOVE_PARAMETER));
    EXPECT_EQ(_T("notepad.exe"), Press(IDC_REMOVE_PARAMETER));
    EXPECT_EQ(_T("notepad.exe"), Press(IDC_REMOVE_PARAMETER));
    ui.Type(IDC_VALUE, _T("%1"));
    EXPECT_EQ(_T(""), Press(IDC_REMOVE_PARAMETER));
    ui.Type(IDC_VALUE, _T("a"));
    EXPECT_EQ(_T("a %1"), Press(IDC_ADD_PARAMETER));
}

TEST_F(AddEditTest, ProgramChoiceReplacesTheWholeValue) {
    OpenAdd();
    ui.Type(IDC_VALUE, _T("C:\\Old\\tool.exe %1"));
    ui.PickCombo(IDC_PROGRAM, 3);
    EXPECT_EQ(_T("regedit"), ui.Text(IDC_VALUE));
    ui.PickCombo(IDC_PROGRAM, 8);
    EXPECT_EQ(_T("ACCWIZ.EXE"), ui.Text(IDC_VALUE));
    ui.PickCombo(IDC_PROGRAM, 0);
    EXPECT_EQ(_T(""), ui.Text(IDC_VALUE));
}

TEST_F(AddEditTest, ToolsKeepTheTypeNameAndChosenType) {
    OpenAdd();
    ui.PickCombo(IDC_ENTRY_TYPE, 5);
    ui.Type(IDC_NAME, _T("Play"));
    ui.Type(IDC_VALUE, _T("player.exe"));
    Press(IDC_ADD_PARAMETER);
    EXPECT_EQ(5, ui.ComboSelection(IDC_ENTRY_TYPE));
    EXPECT_EQ(_T("Play"), ui.Text(IDC_NAME));
}

TEST_F(AddEditTest, BrowseFileTakesTheChosenPath) {
    OpenAdd();
    ui.Type(IDC_VALUE, _T("before"));
    ui_.QueueOpenFileCancel();
    EXPECT_EQ(_T("before"), Press(IDC_BROWSE_FILE));
    ui_.QueueOpenFile(_T("C:\\Program Files\\Tool\\tool.exe"));
    EXPECT_EQ(_T("C:\\Program Files\\Tool\\tool.exe"), Press(IDC_BROWSE_FILE));
    ASSERT_EQ(2u, ui_.openFiles.size());
    EXPECT_EQ(_T("exe files (*.exe)|*.exe"), ui_.openFiles[1].filter);
    EXPECT_EQ(61440u, ui_.openFiles[1].bufferChars);
}

TEST_F(AddEditTest, HiddenBrowseFolderTakesTheChosenFolder) {
    OpenAdd();
    ui_.QueueFolder(_T("C:\\Data"));
    ui.Command(IDC_BROWSE_FOLDER);
    EXPECT_EQ(_T("C:\\Data"), ui.Text(IDC_VALUE));
    ASSERT_EQ(1u, ui_.folders.size());
    EXPECT_EQ(Text(texts::kFolderBrowserTitle), ui_.folders[0].title);
}

TEST_F(AddEditTest, CheckCommandLineReportsAMissingProgram) {
    OpenAdd();
    ui.Type(IDC_NAME, _T("Gone"));
    ui.Type(IDC_VALUE, _T("C:\\Missing\\gone.exe %4"));
    ui.Click(IDC_CHECK_COMMAND);
    ui.Type(IDC_VALUE, _T("notepad.exe %1"));
    ui.Click(IDC_CHECK_COMMAND);
    ExpectBoxes(dialog_.Handle(),
                {{Text(texts::kCheckReport) + _T("\n\nGone\n\n(C:\\Missing\\gone.exe)")},
                 {Text(texts::kCheckEnd)}});
}

TEST_F(AddEditTest, CopyToRegistersTheHandlerAndClosesAsCancelled) {
    OpenAdd();
    ui.PickCombo(IDC_ENTRY_TYPE, 1);
    ui.Type(IDC_NAME, _T("Ignored"));
    ui.Type(IDC_VALUE, _T("ignored.exe"));
    const HWND owner = dialog_.Handle();   // gone once the dialog ends
    ui.Click(IDC_ADD_COPY_TO);
    EXPECT_EQ(_T("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"),
              reg::GetText(HKEY_CLASSES_ROOT,
                           _T("AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Copy To"), _T("")));
    ExpectBoxes(owner, {{Text(texts::kEntryAdded)}});
    EXPECT_TRUE(dialog_.Ended());
    EXPECT_EQ(IDCANCEL, dialog_.Result());
    EXPECT_FALSE(reg::KeyExists(HKEY_CLASSES_ROOT, _T("*\\shell\\Ignored")));
}

// Without administrator rights the choice starts at "only for me", and the
// special buttons follow it.
TEST_F(AddEditTest, MoveToRegistersItsOwnHandlerInTheChosenHalf) {
    {
        const ForcedElevation filtered(Elevation::kFilteredAdministrator);
        OpenAdd();
    }
    EXPECT_TRUE(ui.IsChecked(IDC_FOR_ME));
    ui.Click(IDC_ADD_MOVE_TO);
    EXPECT_EQ(_T("{C2FBB631-2971-11D1-A18C-00C04FD75D13}"),
              reg::GetText(HKEY_CURRENT_USER,
                           _T("Software\\Classes\\AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Move To"), _T("")));
    EXPECT_EQ(IDCANCEL, dialog_.Result());
}

// "For all users" without rights is added by an elevated Verbsmith: No keeps
// the dialog as it was, Yes ends it for the main window to make way.
TEST_F(AddEditTest, AddingForAllUsersWithoutRightsOffersTheElevatedVerbsmith) {
    const ForcedElevation filtered(Elevation::kFilteredAdministrator);
    OpenAdd();
    ui.Click(IDC_FOR_ALL_USERS);
    ui.PickCombo(IDC_ENTRY_TYPE, 1);
    ui.Type(IDC_NAME, _T("Tool"));
    ui.Type(IDC_VALUE, _T("tool.exe"));
    const tstring before = reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes"));
    ui_.QueueButton(IDNO);
    ui.Click(IDOK);
    EXPECT_FALSE(dialog_.Ended());
    ui_.QueueButton(IDYES);
    const HWND owner = dialog_.Handle();
    ui.Click(IDC_ADD_MOVE_TO);
    const RecordingUi::Box restart{Text(texts::kRestartElevated), MB_YESNO | MB_ICONQUESTION};
    ExpectBoxes(owner, {restart, restart});
    ASSERT_EQ(1u, ui_.shells.size());
    EXPECT_EQ(_T("runas"), ui_.shells[0].start.verb);
    EXPECT_TRUE(dialog_.restartedElevated);
    EXPECT_EQ(before, reg::Tree(HKEY_LOCAL_MACHINE, _T("Software\\Classes")));
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, _T("Software\\Classes\\*\\shell\\Tool")));
}

TEST_F(AddEditTest, EditModeFixesNameAndTypeAndOffersNoSpecialEntries) {
    OpenEdit(_T("Folder\\shell\\Open here\\command"), _T("Open here"), _T("Folders"),
             _T("cmd.exe"));
    EXPECT_EQ(3, ui.ComboSelection(IDC_ENTRY_TYPE));
    for (int id : {IDC_ENTRY_TYPE, IDC_NAME, IDC_ADD_COPY_TO, IDC_ADD_MOVE_TO, IDC_FOR_ME,
                   IDC_FOR_ALL_USERS})
        EXPECT_FALSE(ui.IsEnabled(id)) << id;
    for (int id : {IDC_VALUE, IDC_PROGRAM, IDC_BROWSE_FILE, IDC_ADD_PARAMETER,
                   IDC_REMOVE_PARAMETER, IDC_CHECK_COMMAND})
        EXPECT_TRUE(ui.IsEnabled(id)) << id;
    EXPECT_EQ(_T("Open here"), ui.Text(IDC_NAME));
    EXPECT_EQ(_T("cmd.exe"), ui.Text(IDC_VALUE));
}

TEST_F(AddEditTest, EditOfASendToEntryReplacesItsShortcut) {
    files::Write(sendTo_ / _T("Viewer"), "an old file without the ending");
    OpenEdit(_T("Send To"), _T("Viewer"), _T("Send To"), _T("C:\\Old\\viewer.exe"));
    EXPECT_EQ(8, ui.ComboSelection(IDC_ENTRY_TYPE));
    ui.Type(IDC_VALUE, _T("C:\\New\\viewer.exe"));
    const HWND owner = dialog_.Handle();
    ui.Click(IDOK);
    EXPECT_EQ(IDOK, dialog_.Result());
    tstrings listed = files::List(sendTo_.Path());
    std::sort(listed.begin(), listed.end());
    const tstrings expected = {_T("Viewer"), _T("Viewer.lnk")};
    EXPECT_EQ(expected, listed);
    EXPECT_EQ("an old file without the ending", files::Read(sendTo_ / _T("Viewer")));
    ExpectBoxes(owner, {{Text(texts::kEntryChanged)}});
}

TEST_F(AddEditTest, MissingNameOrValueKeepsTheDialogOpen) {
    OpenAdd();
    ui.PickCombo(IDC_ENTRY_TYPE, 1);
    ui.Type(IDC_VALUE, _T("notepad.exe"));
    ui.Click(IDOK);
    ui.Type(IDC_NAME, _T("Edit"));
    ui.Type(IDC_VALUE, _T(""));
    ui.Click(IDOK);
    EXPECT_FALSE(dialog_.Ended());
    ExpectBoxes(dialog_.Handle(), {{Text(texts::kEntryIncomplete)}, {Text(texts::kEntryIncomplete)}});
    EXPECT_TRUE(reg::SubKeys(HKEY_CLASSES_ROOT, _T("")).empty());
}

TEST_F(AddEditTest, CancelWritesNothing) {
    OpenAdd();
    ui.PickCombo(IDC_ENTRY_TYPE, 1);
    ui.Type(IDC_NAME, _T("Edit"));
    ui.Type(IDC_VALUE, _T("notepad.exe"));
    ui.Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dialog_.Result());
    EXPECT_TRUE(reg::SubKeys(HKEY_CLASSES_ROOT, _T("")).empty());
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(AddEditTest, HelpKeyOpensTheHelpFile) {
    OpenAdd();
    ui.Help(IDC_VALUE);
    ASSERT_EQ(1u, ui_.shells.size());
    EXPECT_EQ(_T("open"), ui_.shells[0].start.verb);
    EXPECT_EQ(program_ / _T("help.chm"), ui_.shells[0].start.file);
}
