#include "slicewise/SlicewiseDlg.h"
#include "common/SharedDialogIds.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "framework/testkit/RecordingUi.h"
#include "framework/BufferedFile.h"
#include "framework/ProgramName.h"
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <vector>

using namespace slicetext;

namespace {
const TCHAR kToolcrateKey[] = _T("Software\\Vantorel\\Vantorel Toolcrate");
const TCHAR kFilequayKey[] = _T("Software\\Vantorel\\Vantorel Filequay");

const int kSizeRadios[] = {IDC_SIZE_FLOPPY, IDC_SIZE_CD,   IDC_SIZE_DVD, IDC_SIZE_100KB,
                           IDC_SIZE_500KB,  IDC_SIZE_1MB, IDC_SIZE_2MB, IDC_SIZE_USER};
const int kRunLocked[] = {IDC_BROWSE_FILE, IDC_BROWSE_FOLDER, IDC_MERGE,      IDC_DIVIDE,
                          IDC_SIZE_FLOPPY, IDC_SIZE_CD,       IDC_SIZE_DVD,   IDC_SIZE_100KB,
                          IDC_SIZE_500KB,  IDC_SIZE_1MB,      IDC_SIZE_2MB,   IDC_SIZE_USER};

std::string Bytes(size_t count) {
    std::string bytes(count, '\0');
    unsigned value = 12345;
    for (char& byte : bytes) {
        value = value * 1103515245u + 12345u;
        byte = static_cast<char>(value >> 16);
    }
    return bytes;
}

bool LanguageCommandEnabled(HMENU bar) {
    return !(GetMenuState(bar, ID_FILE_LANGUAGE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

// A drop of these paths as the Explorer hands it over.
HGLOBAL DropOf(const tstrings& paths) {
    tstring list;
    for (const tstring& path : paths)
        list += path + _T('\0');
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(TCHAR));
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    memcpy(drop + 1, list.data(), list.size() * sizeof(TCHAR));   // GHND: the last NUL is there
    GlobalUnlock(memory);
    return memory;
}

// The keys Enter and Escape as the window's message pump hands them over.
void PressKey(HWND window, WPARAM key) {
    MSG message = {};
    message.hwnd = GetFocus() ? GetFocus() : window;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    IsDialogMessage(window, &message);
}
}  // namespace

class SlicewiseWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramName(kSlicewiseName);   // as the program sets it at start
        texts.Load();
        ASSERT_TRUE(window.Create());
        main = DialogDriver(window.Handle());
    }
    void TearDown() override { SetProgramName(tstring()); }

    // The language text with this number, in the language loaded last.
    tstring Text(int number) const { return texts.GetText(number); }
    // The boxes shown so far, each owned by the window, with its caption.
    void ExpectBoxes(const std::vector<RecordingUi::Box>& boxes) const {
        ui.ExpectBoxes(main.Handle(), Text(kCaption), boxes);   // also once it has closed
    }

    // A source file and an empty output folder typed into the window.
    void PrepareDivide(size_t sourceBytes, int sizeRadio) {
        CreateDirectory((data / _T("out")).c_str(), nullptr);
        source = Bytes(sourceBytes);
        files::Write(data / _T("a.bin"), source);
        main.Type(IDC_SOURCE_PATH, data / _T("a.bin"));
        main.Type(IDC_OUTPUT_FOLDER, data / _T("out\\..."));
        main.Click(sizeRadio);
    }
    tstring Part(int number) const {
        TCHAR name[32];
        wsprintf(name, _T("out\\a.bin.%05d.vtrl"), number);
        return data / name;
    }
    void SetHandshakeValues() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            for (const TCHAR* key : {kToolcrateKey, kFilequayKey})
                reg::SetText(root, key, _T("active"), _T("x"));
    }
    int HandshakeValuesLeft() const {
        int left = 0;
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            for (const TCHAR* key : {kToolcrateKey, kFilequayKey})
                left += reg::ValueExists(root, key, _T("active")) ? 1 : 0;
        return left;
    }

    RegistrySandbox registry;
    ProgramFolder program{SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
    CTranslation texts{SlicewiseDialects()};
    TempFolder data;
    RecordingUi ui;
    CSlicewiseDlg window;
    DialogDriver main{nullptr};
    std::string source;
};

TEST_F(SlicewiseWindow, StartsWith500KbCheckedAndTheUserSizeGreyed) {
    EXPECT_TRUE(main.IsChecked(IDC_SIZE_500KB));
    EXPECT_EQ(4, window.SizeChoice);
    EXPECT_EQ(_T("150"), main.Text(IDC_USER_SIZE));
    EXPECT_EQ(Text(kUnitKB), main.Text(IDC_SIZE_UNIT));
    EXPECT_EQ(1, main.ComboSelection(IDC_SIZE_UNIT));
    EXPECT_EQ((tstrings{Text(kUnitBytes), Text(kUnitKB), Text(kUnitMB), Text(kUnitGB),
                        Text(kUnitParts)}),
              main.ComboItems(IDC_SIZE_UNIT));
    EXPECT_FALSE(main.IsEnabled(IDC_USER_SIZE));
    EXPECT_FALSE(main.IsEnabled(IDC_SIZE_UNIT));
    EXPECT_EQ(_T(""), main.Text(IDC_SOURCE_PATH));
    EXPECT_EQ(_T(""), main.Text(IDC_STATUS));
    EXPECT_EQ(Text(kWelcome), main.Text(IDC_WELCOME));
    EXPECT_EQ(Text(kDivideButton), main.Text(IDC_DIVIDE));
    EXPECT_EQ(Text(kSizeCD), main.Text(IDC_SIZE_CD));
    EXPECT_EQ(_T("Vantorel Slicewise"), main.Caption());
}

// Without its language file the window says so once and shows its
// template's and built-in English texts; only the status line is empty.
TEST_F(SlicewiseWindow, WithoutItsLanguageFileTheWindowShowsEnglish) {
    const tstring file = program / _T("Slicewisetrl.ini");
    DeleteFile(file.c_str());
    CSlicewiseDlg bare;
    ASSERT_TRUE(bare.Create());
    DialogDriver::Pump();   // the report comes once the window shows
    const DialogDriver shown(bare.Handle());
    EXPECT_EQ(tstrings{}, shown.BlankTexts({IDC_STATUS}));
    EXPECT_EQ(_T("Welcome to Vantorel Slicewise!"), shown.Text(IDC_WELCOME));
    EXPECT_EQ((tstrings{_T("Bytes"), _T("KB"), _T("MB"), _T("GB"), _T("Parts")}),
              shown.ComboItems(IDC_SIZE_UNIT));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(tstring::npos, ui.messages[0].text.find(file));
}

TEST_F(SlicewiseWindow, OpensCentredOnTheScreen) {
    RECT frame = {}, work = {};
    GetWindowRect(window.Handle(), &frame);
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 1);
}

TEST_F(SlicewiseWindow, TheUnitListDropsDownWithAllFiveUnitsInView) {
    main.Click(IDC_SIZE_USER);
    const HWND combo = main.Item(IDC_SIZE_UNIT);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped = {};
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    RECT list = {};
    GetWindowRect(info.hwndList, &list);
    SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const LONG itemHeight = static_cast<LONG>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(list.bottom - list.top, 5 * itemHeight);
}

TEST_F(SlicewiseWindow, MenusAndSystemMenuCarryTheirTexts) {
    const HMENU bar = main.Menu();
    TCHAR text[128];
    GetMenuString(bar, 0, text, 128, MF_BYPOSITION);
    EXPECT_EQ(Text(kFileMenu), text);
    GetMenuString(bar, ID_FILE_EXIT, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(_T("  ") + Text(kExitItem), text);
    GetMenuString(bar, ID_HELP_ABOUT, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(_T("  ") + Text(kAboutItem), text);
    GetMenuString(GetSystemMenu(window.Handle(), FALSE), MainWindow::kAboutCommand, text, 128,
                  MF_BYCOMMAND);
    EXPECT_STREQ(L"&Info \u00fcber Slicewise...", text);
}

TEST_F(SlicewiseWindow, UserDefinedEnablesTheSizeBoxAndEveryOtherSizeDisablesIt) {
    for (int radio : kSizeRadios) {
        if (radio == IDC_SIZE_USER)
            continue;
        main.Click(IDC_SIZE_USER);
        EXPECT_TRUE(main.IsEnabled(IDC_USER_SIZE));
        EXPECT_TRUE(main.IsEnabled(IDC_SIZE_UNIT));
        main.Click(radio);
        EXPECT_FALSE(main.IsEnabled(IDC_USER_SIZE)) << radio;
        EXPECT_FALSE(main.IsEnabled(IDC_SIZE_UNIT)) << radio;
    }
}

TEST_F(SlicewiseWindow, RadioGroupCountsTheSizesInTemplateOrder) {
    for (int index = 0; index < 8; ++index) {
        main.Click(kSizeRadios[index]);
        ASSERT_TRUE(window.UpdateData(true));
        EXPECT_EQ(index, window.SizeChoice) << kSizeRadios[index];
    }
}

TEST_F(SlicewiseWindow, BrowsingASourceFillsAnEmptyFolderBoxOnly) {
    ui.QueueOpenFile(_T("D:\\data\\big.iso"));
    main.Click(IDC_BROWSE_FILE);
    ASSERT_EQ(1u, ui.openFiles.size());
    EXPECT_EQ(_T("All files (*.*)|*.*"), ui.openFiles[0].filter);
    EXPECT_EQ(61440u, ui.openFiles[0].bufferChars);
    EXPECT_EQ(_T("D:\\data\\big.iso"), main.Text(IDC_SOURCE_PATH));
    EXPECT_EQ(_T("D:\\data\\..."), main.Text(IDC_OUTPUT_FOLDER));

    ui.QueueOpenFile(_T("C:\\other\\small.txt"));
    main.Click(IDC_BROWSE_FILE);
    EXPECT_EQ(_T("C:\\other\\small.txt"), main.Text(IDC_SOURCE_PATH));
    EXPECT_EQ(_T("D:\\data\\..."), main.Text(IDC_OUTPUT_FOLDER));

    ui.QueueOpenFileCancel();
    main.Click(IDC_BROWSE_FILE);
    EXPECT_EQ(_T("C:\\other\\small.txt"), main.Text(IDC_SOURCE_PATH));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SlicewiseWindow, ADroppedFileIsTheSourceAndAFolderOrTwoFilesAreRefused) {
    const tstring file = data / _T("big.iso");
    files::Write(file, "x");
    for (const tstrings& drop : {tstrings{file}, tstrings{data.Path()}, tstrings{data / _T("b"), file}})
        SendMessage(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(drop)), 0);
    EXPECT_EQ(file, main.Text(IDC_SOURCE_PATH));
    EXPECT_EQ(data / _T("..."), main.Text(IDC_OUTPUT_FOLDER));
    ExpectBoxes({{Text(kDropOneFile)}, {Text(kDropOneFile)}});
}

TEST_F(SlicewiseWindow, ADroppedPartAsksAndMergesItsSetOnYesOnly) {
    PrepareDivide(1500, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("1"));   // 1 KB parts
    main.Click(IDC_DIVIDE);
    for (int answer : {IDNO, IDYES}) {
        EXPECT_FALSE(files::Exists(data / _T("out\\a.bin")));
        ui.QueueButton(answer);
        SendMessage(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({Part(2)})), 0);
    }
    const RecordingUi::Box question = {FormatText(Text(kMergeDropped), {_T("a.bin.00002.vtrl")}),
                                       MB_YESNO | MB_ICONQUESTION};
    ExpectBoxes({{Text(kDivided)}, question, question, {Text(kMerged)}});
    EXPECT_TRUE(ui.openFiles.empty());
    EXPECT_TRUE(files::Read(data / _T("out\\a.bin")) == source);
}

TEST_F(SlicewiseWindow, ChoosingAFolderOrADriveRootAppendsTheDots) {
    ui.QueueFolder(_T("E:\\out"));
    main.Click(IDC_BROWSE_FOLDER);
    ASSERT_EQ(1u, ui.folders.size());
    EXPECT_EQ(Text(kFolderPrompt), ui.folders[0].title);
    EXPECT_EQ(_T("E:\\out\\..."), main.Text(IDC_OUTPUT_FOLDER));

    ui.QueueFolder(_T("E:\\"));
    main.Click(IDC_BROWSE_FOLDER);
    EXPECT_EQ(_T("E:\\\\..."), main.Text(IDC_OUTPUT_FOLDER));

    ui.QueueFolderCancel();
    main.Click(IDC_BROWSE_FOLDER);
    EXPECT_EQ(_T("E:\\\\..."), main.Text(IDC_OUTPUT_FOLDER));
}

TEST_F(SlicewiseWindow, SizeBoxWithoutAnIntegerIsReportedAndTheDivideUsesTheOldSize) {
    PrepareDivide(400000, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("abc"));
    main.Click(IDC_DIVIDE);

    ExpectBoxes({{_T("Please enter an integer."), MB_ICONEXCLAMATION}, {Text(kDivided)}});
    EXPECT_EQ(150, window.UserSize);
    EXPECT_EQ(153600u, files::Read(Part(1)).size());   // 150 KB parts
    EXPECT_FALSE(files::Exists(Part(4)));
}

TEST_F(SlicewiseWindow, DividesAndMergesRealFilesAndEndsWithAnEmptyStatusLine) {
    PrepareDivide(250000, IDC_SIZE_100KB);
    main.Click(IDC_DIVIDE);
    ExpectBoxes({{Text(kDivided)}});
    EXPECT_EQ(102400u, files::Read(Part(1)).size());
    EXPECT_EQ(_T(""), main.Text(IDC_STATUS));
    EXPECT_EQ(_T(""), window.StatusText);

    ui.QueueOpenFile(Part(1));
    main.Click(IDC_MERGE);
    ExpectBoxes({{Text(kDivided)}, {Text(kMergeHint)}, {Text(kMerged)}});
    EXPECT_TRUE(files::Read(data / _T("out\\a.bin")) == source);
    EXPECT_EQ(_T(""), main.Text(IDC_STATUS));
    // The folder box flashed "<x>" and shows the folder again.
    EXPECT_EQ(data / _T("out\\..."), main.Text(IDC_OUTPUT_FOLDER));
}

TEST_F(SlicewiseWindow, AUnitTypedIntoTheComboGivesHundredByteParts) {
    PrepareDivide(250, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("5"));
    // Keys into the combo's own edit field, as a user types them.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(main.Item(IDC_SIZE_UNIT), &combo));
    SendMessage(combo.hwndItem, EM_SETSEL, 0, -1);
    for (TCHAR key : tstring(_T("kilo")))
        SendMessage(combo.hwndItem, WM_CHAR, key, 1);
    ASSERT_EQ(_T("kilo"), main.Text(IDC_SIZE_UNIT));
    main.Click(IDC_DIVIDE);
    ExpectBoxes({{Text(kDivided)}});
    EXPECT_EQ(100u, files::Read(Part(1)).size());
    EXPECT_FALSE(files::Exists(Part(4)));
}

TEST_F(SlicewiseWindow, ADivideThatFailsLeavesItsLastStepInTheStatusLine) {
    PrepareDivide(1000, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("100"));
    main.PickCombo(IDC_SIZE_UNIT, 0);   // bytes
    files::Write(Part(5), "held");
    HANDLE other = CreateFile(Part(5).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    main.Click(IDC_DIVIDE);
    CloseHandle(other);
    ASSERT_EQ(1u, ui.messages.size());
    // The held part fails when the new set takes the old one's names.
    EXPECT_NE(tstring::npos, ui.messages[0].text.find(Part(5)));
    EXPECT_EQ(FormatText(Text(kDividePart), {11}), main.Text(IDC_STATUS));
    EXPECT_EQ(main.Text(IDC_STATUS), window.StatusText);
}

TEST_F(SlicewiseWindow, MergeLeavesATypedFolderInTheFolderBox) {
    PrepareDivide(1500, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("1"));   // 1 KB parts
    main.Click(IDC_DIVIDE);
    ASSERT_TRUE(files::Exists(Part(2)));
    main.Type(IDC_OUTPUT_FOLDER, _T("E:\\typed\\..."));

    ui.QueueOpenFile(Part(1));
    main.Click(IDC_MERGE);
    ASSERT_EQ(Text(kMerged), ui.messages.back().text);
    EXPECT_TRUE(files::Read(data / _T("out\\a.bin")) == source);
    EXPECT_EQ(_T("E:\\typed\\..."), main.Text(IDC_OUTPUT_FOLDER));
}

struct RunSnapshot {
    HWND window = nullptr;
    std::vector<int> enabledDuringRun;
    bool progressShown = false;
    tstring progressLine;
    bool languageEnabled = true;
    bool userSizeEnabled = true;
    tstring status = _T("not seen");
};

void TakeSnapshot(void* context) {
    RunSnapshot& snapshot = *static_cast<RunSnapshot*>(context);
    DialogDriver running(snapshot.window);
    for (int id : kRunLocked)
        if (running.IsEnabled(id))
            snapshot.enabledDuringRun.push_back(id);
    snapshot.languageEnabled = LanguageCommandEnabled(running.Menu());
    snapshot.userSizeEnabled = running.IsEnabled(IDC_USER_SIZE) || running.IsEnabled(IDC_SIZE_UNIT);
    snapshot.status = running.Text(IDC_STATUS);
    snapshot.progressShown = running.IsVisible(IDC_PROGRESS);
    snapshot.progressLine = running.Text(IDC_PROGRESS_TEXT);
}

TEST_F(SlicewiseWindow, CommandsAreLockedDuringARunAndFreeAfterIt) {
    PrepareDivide(250000, IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("100"));
    RunSnapshot snapshot;
    snapshot.window = window.Handle();
    ui.OnNextMessage(TakeSnapshot, &snapshot);   // the completion message
    main.Click(IDC_DIVIDE);

    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(std::vector<int>{IDC_DIVIDE}, snapshot.enabledDuringRun);   // as the Stop button
    EXPECT_FALSE(snapshot.languageEnabled);
    EXPECT_FALSE(snapshot.userSizeEnabled);
    EXPECT_EQ(_T(""), snapshot.status);   // cleared before the message
    EXPECT_TRUE(snapshot.progressShown);
    EXPECT_NE(tstring::npos, snapshot.progressLine.find(_T(" MB/s, "))) << snapshot.progressLine;
    EXPECT_FALSE(main.IsVisible(IDC_PROGRESS));
    for (int id : kRunLocked)
        EXPECT_TRUE(main.IsEnabled(id)) << id;
    EXPECT_TRUE(LanguageCommandEnabled(main.Menu()));
    // "User defined" is still checked, so its size box is usable again.
    EXPECT_TRUE(main.IsEnabled(IDC_USER_SIZE));
    EXPECT_TRUE(main.IsEnabled(IDC_SIZE_UNIT));
}

TEST_F(SlicewiseWindow, CommandsAreFreeAgainAfterAFailedRun) {
    const tstring path = data / _T("missing.bin");
    main.Type(IDC_SOURCE_PATH, path);
    main.Type(IDC_OUTPUT_FOLDER, data / _T("..."));
    main.Click(IDC_DIVIDE);
    const FileError missing = FileError::FromLastError(ERROR_FILE_NOT_FOUND, path);
    ExpectBoxes({{FailureText(missing.Message(), missing.osError), MB_ICONSTOP}});
    for (int id : kRunLocked)
        EXPECT_TRUE(main.IsEnabled(id)) << id;
    EXPECT_TRUE(LanguageCommandEnabled(main.Menu()));
    EXPECT_FALSE(main.IsEnabled(IDC_USER_SIZE));   // 500 KB is checked

    ui.QueueOpenFileCancel();
    main.Click(IDC_MERGE);
    EXPECT_TRUE(main.IsEnabled(IDC_MERGE));
    EXPECT_TRUE(main.IsEnabled(IDC_DIVIDE));
}

TEST_F(SlicewiseWindow, ACloseDuringARunStopsItClearsTheHandshakeAndCloses) {
    SetHandshakeValues();
    PrepareDivide(12 << 20, IDC_SIZE_1MB);
    // Waits in the queue until the run dispatches pending messages.
    PostMessage(window.Handle(), WM_CLOSE, 0, 0);
    main.Click(IDC_DIVIDE);

    EXPECT_TRUE(window.Ended());
    EXPECT_EQ(IDCANCEL, window.Result());
    EXPECT_EQ(0, HandshakeValuesLeft());
    ExpectBoxes({{Text(kCloseQuestion), MB_YESNO | MB_ICONQUESTION}, {Text(kDivideStopped)}});
    EXPECT_FALSE(files::Exists(Part(13)));
    // Every file was closed: the parts can go.
    for (const tstring& name : files::List(data / _T("out")))
        EXPECT_TRUE(DeleteFile((data / (_T("out\\") + name)).c_str())) << name;
}

// A part dropped during a run asks nothing and starts nothing.
TEST_F(SlicewiseWindow, ADropDuringARunIsIgnored) {
    PrepareDivide(3 << 20, IDC_SIZE_1MB);
    PostMessage(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({Part(1)})), 0);
    main.Click(IDC_DIVIDE);
    ExpectBoxes({{Text(kDivided)}});
    EXPECT_EQ(data / _T("a.bin"), main.Text(IDC_SOURCE_PATH));
}

TEST_F(SlicewiseWindow, ACloseDuringARunAnsweredNoLetsItFinish) {
    PrepareDivide(3 << 20, IDC_SIZE_1MB);
    ui.QueueButton(IDNO);
    PostMessage(window.Handle(), WM_CLOSE, 0, 0);
    main.Click(IDC_DIVIDE);

    EXPECT_FALSE(window.Ended());
    ExpectBoxes({{Text(kCloseQuestion), MB_YESNO | MB_ICONQUESTION}, {Text(kDivided)}});
    EXPECT_TRUE(files::Exists(Part(4)));
}

// The running command's button is its Stop button; a session that ends
// during the run stops it the same way. Either way the window stays, the
// button is itself again, and the session was held off only while it ran.
TEST_F(SlicewiseWindow, StopAndTheSessionsEndStopTheRun) {
    for (UINT stop : {UINT(WM_COMMAND), UINT(WM_ENDSESSION)}) {
        PrepareDivide(12 << 20, IDC_SIZE_1MB);
        ui.shutdownBlocks.clear();
        PostMessage(window.Handle(), stop, stop == WM_COMMAND ? IDC_DIVIDE : TRUE,
                    stop == WM_COMMAND ? reinterpret_cast<LPARAM>(main.Item(IDC_DIVIDE)) : 0);
        main.Click(IDC_DIVIDE);

        EXPECT_FALSE(window.Ended());
        EXPECT_FALSE(files::Exists(Part(13)));
        EXPECT_EQ(Text(kDivideButton), main.Text(IDC_DIVIDE));
        EXPECT_TRUE(main.IsEnabled(IDC_MERGE));
        EXPECT_EQ((tstrings{Text(kShutdownReason), _T("")}), ui.shutdownBlocks);
    }
}

TEST_F(SlicewiseWindow, ExitWithoutAnIntegerStaysOpenButHasClearedTheHandshake) {
    SetHandshakeValues();
    main.Click(IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("12abc"));
    main.MenuCommand(ID_FILE_EXIT);
    EXPECT_FALSE(window.Ended());
    EXPECT_EQ(0, HandshakeValuesLeft());
    ExpectBoxes({{_T("Please enter an integer."), MB_ICONEXCLAMATION}});

    PressKey(window.Handle(), VK_RETURN);
    EXPECT_FALSE(window.Ended());
    PressKey(window.Handle(), VK_ESCAPE);
    EXPECT_TRUE(window.Ended());
}

TEST_F(SlicewiseWindow, ALanguageChangeTranslatesAgainAndKeepsSourceAndFolder) {
    main.Type(IDC_SOURCE_PATH, _T("D:\\data\\big.iso"));
    main.Type(IDC_OUTPUT_FOLDER, _T("E:\\out\\..."));
    main.Click(IDC_SIZE_USER);
    main.Type(IDC_USER_SIZE, _T("77"));
    main.PickCombo(IDC_SIZE_UNIT, 3);
    ModalDialogHandler modal;
    modal.Expect([](HWND dialog) {
        DialogDriver language(dialog);
        EXPECT_EQ(_T("Please select your language:"), language.Text(IDC_LANGUAGE_GROUP));
        EXPECT_EQ(_T("English"), language.Text(IDC_LANGUAGE_COMBO));
        EXPECT_TRUE(language.PickComboText(IDC_LANGUAGE_COMBO, _T("Deutsch")));
        language.Click(IDOK);
    });
    main.MenuCommand(ID_FILE_LANGUAGE);
    ASSERT_EQ(1, modal.Handled());

    EXPECT_NE(std::string::npos,
              files::Read(program / _T("config.ini")).find("Language\r\n[1031]\r\n"));
    texts.Load();   // German now
    EXPECT_EQ(Text(kDivideButton), main.Text(IDC_DIVIDE));
    EXPECT_EQ(Text(kWelcome), main.Text(IDC_WELCOME));
    TCHAR text[128];
    GetMenuString(main.Menu(), ID_FILE_EXIT, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(_T("  ") + Text(kExitItem), text);
    EXPECT_EQ(_T("D:\\data\\big.iso"), main.Text(IDC_SOURCE_PATH));
    EXPECT_EQ(_T("E:\\out\\..."), main.Text(IDC_OUTPUT_FOLDER));
    EXPECT_TRUE(main.IsChecked(IDC_SIZE_500KB));
    EXPECT_FALSE(main.IsChecked(IDC_SIZE_USER));
    EXPECT_EQ(_T("150"), main.Text(IDC_USER_SIZE));
    EXPECT_EQ(1, main.ComboSelection(IDC_SIZE_UNIT));
    EXPECT_EQ(5u, main.ComboItems(IDC_SIZE_UNIT).size());   // filled anew, not added to
    EXPECT_FALSE(main.IsEnabled(IDC_USER_SIZE));
}

struct Colours {
    HBRUSH brush;
    int mode;
    COLORREF text;
    COLORREF back;
};

Colours ColoursOf(HWND window, HWND control, UINT message) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    Colours colours;
    colours.brush = reinterpret_cast<HBRUSH>(
        SendMessage(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    colours.mode = GetBkMode(dc);
    colours.text = GetTextColor(dc);
    colours.back = GetBkColor(dc);
    DeleteDC(dc);
    return colours;
}

TEST_F(SlicewiseWindow, LabelsAreNavyOnTheWindowAndEditFieldsOnTheFace) {
    const HWND handle = window.Handle();
    const Colours status = ColoursOf(handle, main.Item(IDC_STATUS), WM_CTLCOLORSTATIC);
    ASSERT_NE(nullptr, status.brush);
    EXPECT_EQ(TRANSPARENT, status.mode);
    EXPECT_EQ(RGB(0, 0, 128), status.text);
    for (int id : {IDC_WELCOME, IDC_INTRODUCTION})
        EXPECT_EQ(RGB(0, 0, 128), ColoursOf(handle, main.Item(id), WM_CTLCOLORSTATIC).text) << id;

    const Colours edit = ColoursOf(handle, main.Item(IDC_SOURCE_PATH), WM_CTLCOLOREDIT);
    EXPECT_EQ(status.brush, edit.brush);   // one brush for every control
    EXPECT_EQ(RGB(50, 50, 50), edit.text);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), edit.back);
    // The unit combo's own edit field has the id 1001, the Browse button's.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(main.Item(IDC_SIZE_UNIT), &combo));
    EXPECT_EQ(RGB(50, 50, 50), ColoursOf(handle, combo.hwndItem, WM_CTLCOLOREDIT).text);

    const Colours radio = ColoursOf(handle, main.Item(IDC_SIZE_CD), WM_CTLCOLORSTATIC);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), radio.back);
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), radio.text);
    EXPECT_EQ(status.brush, ColoursOf(handle, handle, WM_CTLCOLORDLG).brush);
}

