// What the three main windows do alike, once, on a small window of the same
// kind: the About item, the icons, texts by table, the language change, help,
// website, About and every way of closing.
#include "DialogTestIds.h"
#include "common/MainWindow.h"
#include "framework/DpiBitmap.h"
#include "framework/Menus.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ForcedHighContrast.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "framework/testkit/RecordingUi.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>

namespace {

const TCHAR kKeyA[] = _T("Software\\Vantorel\\Test A");
const TCHAR kKeyB[] = _T("Software\\Vantorel\\Test B");
const HKEY kRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

const char kLanguageFile[] =
    "[1033]\r\n00001 Pick one\r\n00002 English\r\n00010 &File\r\n00011 &Language\r\n"
    "00012 E&xit\r\n00020 &Help\r\n00030 Hello\r\n[EOL]\r\n"
    "[1031]\r\n00001 Eine w\xE4hlen\r\n00002 Deutsch\r\n00010 &Datei\r\n00011 &Sprache\r\n"
    "00012 &Beenden\r\n00020 &Hilfe\r\n00030 Hallo\r\n[EOL]\r\n";

class TestWindow : public MainWindow {
public:
    TestWindow() : MainWindow(Tables()) {}
    void Reinitialize() { InitializeWindow(false); }

    int applied = 0;
    int stored = 0;
    bool mayClose = true;

protected:
    void OnTextsApplied() override { ++applied; }
    std::vector<FileError> OnLanguageStored(const tstring&) override {
        ++stored;
        return {};
    }
    bool MayClose(int) override { return mayClose; }

private:
    static MainWindowTables Tables() {
        MainWindowTables tables;
        tables.templateId = IDD_TEST_MAIN;
        tables.icon = IDI_TEST;
        tables.aboutItemText = IDS_TEST_ABOUT;
        tables.menuTitles = {10, 20};
        tables.menuItems = {{0, 0, 11, IDB_TEST_MARK}, {0, 2, 12, 0}};
        tables.controlTexts = {{IDC_TEST_LABEL, 30}};
        tables.pictures = {IDB_TEST_MARK};
        tables.commands = {ID_TEST_LANGUAGE, ID_TEST_EXIT, ID_TEST_HELP, ID_TEST_WEBSITE,
                           ID_TEST_ABOUT};
        tables.languageDialog = {IDD_LANGUAGE_SELECTION, IDC_TEST_LANGUAGE_GROUP,
                                 IDC_TEST_LANGUAGE_COMBO};
        tables.handshakeKeys = {kKeyA, kKeyB};
        return tables;
    }
};

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() {
        PowerClass::OverrideProgramFolder(folder.Path());
        Settings("https://example.test/");
        files::Write(folder / _T("Testtrl.ini"), kLanguageFile);
    }
    ~MainWindowTest() override { PowerClass::OverrideProgramFolder(tstring()); }

    void Settings(const std::string& homepage, const std::string& language = "[1033]") {
        files::Write(folder / _T("config.ini"), "Product ID\r\nTest\r\nLanguage\r\n" + language +
                                                    "\r\nHomepage\r\n" + homepage + "\r\n");
    }
    DialogDriver Open() {
        EXPECT_NE(nullptr, window.Create());
        return DialogDriver(window.Handle());
    }
    int AboutItems() const {
        const HMENU menu = GetSystemMenu(window.Handle(), FALSE);
        int found = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            found += GetMenuItemID(menu, i) == MainWindow::kAboutCommand;
        return found;
    }
    // Picks the language named so in the language dialog the command opens;
    // the dialog's prompt is text 1 of the language in force.
    void ChooseLanguage(DialogDriver& main, const tstring& name,
                        const tstring& prompt = _T("Pick one")) {
        ModalDialogHandler modal;
        modal.Expect([name, prompt, this](HWND dialog) {
            DialogDriver language(dialog);
            EXPECT_EQ(window.Handle(), GetWindow(dialog, GW_OWNER));
            EXPECT_EQ(prompt, language.Text(IDC_TEST_LANGUAGE_GROUP));
            EXPECT_TRUE(language.PickComboText(IDC_TEST_LANGUAGE_COMBO, name));
            language.Click(IDOK);
        });
        main.MenuCommand(ID_TEST_LANGUAGE);
        EXPECT_EQ(1, modal.Handled());
    }
    tstring Config() const { return tstring(folder / _T("config.ini")); }

    RegistrySandbox sandbox;
    TempFolder folder;
    RecordingUi ui;
    TestWindow window;
};

}  // namespace

TEST_F(MainWindowTest, StartsWithItsTextsMarksIconsAndOneAboutItem) {
    DialogDriver main = Open();
    EXPECT_EQ(_T("Hello"), main.Text(IDC_TEST_LABEL));
    EXPECT_EQ(_T("&File"), MenuItemTextAt(main.Menu(), 0));
    EXPECT_EQ(_T("  &Language"), MenuItemTextAt(GetSubMenu(main.Menu(), 0), 0));
    MENUITEMINFO marks = {};
    marks.cbSize = sizeof marks;
    marks.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfo(GetSubMenu(main.Menu(), 0), 0, TRUE, &marks));
    EXPECT_NE(nullptr, marks.hbmpUnchecked);
    EXPECT_EQ(marks.hbmpChecked, marks.hbmpUnchecked);

    const LRESULT big = SendMessage(window.Handle(), WM_GETICON, ICON_BIG, 0);
    EXPECT_EQ(reinterpret_cast<LRESULT>(LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDI_TEST))),
              big);
    EXPECT_NE(0, SendMessage(window.Handle(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(big, SendMessage(window.Handle(), WM_QUERYDRAGICON, 0, 0));
    EXPECT_EQ(1, window.applied);
    EXPECT_EQ(1, AboutItems());
}

// The window follows high contrast while it is open: the art gives way to the
// face.
TEST_F(MainWindowTest, HighContrastTurnsTheArtOffWhileItIsOn) {
    Open();
    const HWND picture = PictureControls(window.Handle()).at(0);
    const auto shown = [&] { return (GetWindowLong(picture, GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(shown());
    {
        const ForcedHighContrast on;
        SendMessage(window.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_FALSE(shown());
    }
    SendMessage(window.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(shown());
}

TEST_F(MainWindowTest, LanguageChangeStoresTheChoiceAndAppliesEveryTextAgain) {
    DialogDriver main = Open();
    ChooseLanguage(main, _T("Deutsch"));
    EXPECT_NE(std::string::npos, files::Read(Config()).find("Language\r\n[1031]\r\n"));
    EXPECT_EQ(_T("Hallo"), main.Text(IDC_TEST_LABEL));
    EXPECT_EQ(_T("&Hilfe"), MenuItemTextAt(main.Menu(), 1));
    EXPECT_EQ(_T("  &Beenden"), MenuItemTextAt(GetSubMenu(main.Menu(), 0), 2));
    EXPECT_EQ((std::make_pair(2, 1)), std::make_pair(window.applied, window.stored));
    EXPECT_EQ(1, AboutItems());

    // The language in force again: nothing is written, nothing applied anew.
    const std::string before = files::Read(Config());
    ChooseLanguage(main, _T("Deutsch"), _T("Eine w\xE4hlen"));
    EXPECT_EQ(before, files::Read(Config()));
    EXPECT_EQ(2, window.applied);
    EXPECT_TRUE(ui.messages.empty());
}

// Readable, so the dialog lists the languages, but not replaceable: the user
// hears why, and the window keeps the language it shows.
TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAreReportedAndNothingChanges) {
    DialogDriver main = Open();
    const FileHandle holder(CreateFile(Config().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.Valid());
    ChooseLanguage(main, _T("Deutsch"));

    // The report names the file and the cause, not an unknown error.
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(tstring::npos, ui.messages[0].text.find(Config()));
    EXPECT_NE(FileError(FileError::kGeneric, 0, Config()).Message(), ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.messages[0].type & MB_ICONMASK);
    EXPECT_EQ(window.Handle(), ui.messages[0].owner);
    EXPECT_EQ(_T("Hello"), main.Text(IDC_TEST_LABEL));
    EXPECT_EQ((std::make_pair(1, 0)), std::make_pair(window.applied, window.stored));
}

TEST_F(MainWindowTest, HelpWebsiteAndAboutOpenOwnedByTheWindow) {
    DialogDriver main = Open();
    main.MenuCommand(ID_TEST_HELP);
    main.Help(IDC_TEST_LABEL);
    main.MenuCommand(ID_TEST_WEBSITE);
    ASSERT_EQ(3u, ui.shells.size());
    for (const RecordingUi::ShellCall& call : ui.shells) {
        EXPECT_EQ(window.Handle(), call.start.owner);
        EXPECT_EQ(_T("open"), call.start.verb);
        EXPECT_EQ(SW_SHOWNORMAL, call.start.show);
    }
    EXPECT_EQ(folder / _T("help.chm"), ui.shells[0].start.file);
    EXPECT_EQ(folder / _T("help.chm"), ui.shells[1].start.file);
    EXPECT_EQ(_T("https://example.test/"), ui.shells[2].start.file);

    ModalDialogHandler modal;
    for (int i = 0; i < 3; ++i)
        modal.Expect([this](HWND about) {
            EXPECT_EQ(window.Handle(), GetWindow(about, GW_OWNER));
            DialogDriver(about).Click(IDOK);
        });
    main.MenuCommand(ID_TEST_ABOUT);
    main.SysCommand(MainWindow::kAboutCommand);
    main.SysCommand(MainWindow::kAboutCommand | 0x000F);
    EXPECT_EQ(3, modal.Handled());
}

// The shell would open something unrelated for an empty text.
TEST_F(MainWindowTest, AnEmptyHomepageOpensNothing) {
    Settings("");
    DialogDriver main = Open();
    main.MenuCommand(ID_TEST_WEBSITE);
    EXPECT_TRUE(ui.shells.empty());
}

// A section of the test's language file as the user may have left it.
const char kEnglish[] = "[1033]\r\n00001 Pick one\r\n00002 English\r\n00010 &File\r\n"
                        "00011 &Language\r\n00012 E&xit\r\n00020 &Help\r\n00030 Hello\r\n[EOL]\r\n";

std::string Utf16(const std::string& latin1) {
    std::string bytes = "\xFF\xFE";
    for (char c : latin1) bytes += std::string{c, '\0'};
    return bytes;
}

struct LanguageFileCase {
    const char* name;
    const char* language;
    bool present;
    std::string bytes;
    bool usable;   // its texts are shown; otherwise the template's and a message
};

void PrintTo(const LanguageFileCase& test, std::ostream* out) { *out << test.name; }

class UnusualLanguageFile : public MainWindowTest,
                            public testing::WithParamInterface<LanguageFileCase> {};

TEST_P(UnusualLanguageFile, LeavesNoTextBlankAndNamesAnUnusableFileOnce) {
    const LanguageFileCase& test = GetParam();
    const tstring file = folder / _T("Testtrl.ini");
    Settings("", test.language);
    DeleteFile(file.c_str());
    if (test.present)
        files::Write(file, test.bytes);
    DialogDriver main = Open();
    window.Reinitialize();
    DialogDriver::Pump();   // the report comes once the window shows
    EXPECT_EQ(tstrings{}, main.BlankTexts());
    EXPECT_EQ(test.usable ? _T("Hello") : _T("placeholder"), main.Text(IDC_TEST_LABEL));
    EXPECT_EQ(test.usable ? _T("  E&xit") : _T("E&xit"), MenuItemTextAt(GetSubMenu(main.Menu(), 0), 2));
    ASSERT_EQ(test.usable ? 0u : 1u, ui.messages.size());
    if (!test.usable) {
        EXPECT_NE(tstring::npos, ui.messages[0].text.find(file));
        EXPECT_EQ(_T("Test window"), ui.messages[0].caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusualLanguageFile,
    testing::Values(LanguageFileCase{"missing", "[1033]", false, "", false},
                    LanguageFileCase{"empty", "[1033]", true, "", false},
                    LanguageFileCase{"utf16", "[1033]", true, Utf16(kEnglish), true},
                    LanguageFileCase{"utf8mark", "[1033]", true, std::string("\xEF\xBB\xBF") + kEnglish,
                                     true},
                    LanguageFileCase{"unknownmarker", "[1040]", true, kEnglish, true}),
    [](const testing::TestParamInfo<LanguageFileCase>& info) { return std::string(info.param.name); });

// Even after a language change: the template's text, not the last language's.
TEST_F(MainWindowTest, ATextTheSectionLacksKeepsTheTemplatesText) {
    files::Write(folder / _T("Testtrl.ini"),
                 std::string(kEnglish) + "[1031]\r\n00001 Eine\r\n00002 Deutsch\r\n[EOL]\r\n");
    DialogDriver main = Open();
    ChooseLanguage(main, _T("Deutsch"));
    EXPECT_EQ(_T("placeholder"), main.Text(IDC_TEST_LABEL));
    EXPECT_EQ(_T("&File"), MenuItemTextAt(main.Menu(), 0));
    EXPECT_EQ(_T("&Language"), MenuItemTextAt(GetSubMenu(main.Menu(), 0), 0));
    EXPECT_TRUE(ui.messages.empty());
}

enum class Way { kExit, kCloseBox, kEnter, kEscape };

class ClosingTheWindow : public MainWindowTest, public testing::WithParamInterface<Way> {
protected:
    void SetHandshake() {
        for (HKEY root : kRoots)
            for (const TCHAR* key : {kKeyA, kKeyB})
                reg::SetText(root, key, _T("active"), _T("x"));
    }
    int HandshakeValuesLeft() const {
        int left = 0;
        for (HKEY root : kRoots)
            for (const TCHAR* key : {kKeyA, kKeyB})
                left += reg::ValueExists(root, key, _T("active"));
        return left;
    }
    void Close(DialogDriver& main) {
        // Enter and Escape as the dialog manager hands them over.
        MSG key = {window.Handle(), WM_KEYDOWN, 0, 0, 0, {0, 0}};
        switch (GetParam()) {
        case Way::kExit: main.MenuCommand(ID_TEST_EXIT); break;
        case Way::kCloseBox: main.Close(); break;
        case Way::kEnter: key.wParam = VK_RETURN; IsDialogMessage(window.Handle(), &key); break;
        case Way::kEscape: key.wParam = VK_ESCAPE; IsDialogMessage(window.Handle(), &key); break;
        }
    }
};

TEST_P(ClosingTheWindow, ClearsEveryHandshakeValueAfterTheProgramsGuard) {
    DialogDriver main = Open();
    SetHandshake();
    window.mayClose = false;
    Close(main);
    EXPECT_FALSE(window.Ended());
    EXPECT_EQ(4, HandshakeValuesLeft());

    window.mayClose = true;
    reg::SetText(HKEY_CURRENT_USER, kKeyA, _T("other"), _T("kept"));
    Close(main);
    EXPECT_TRUE(window.Ended());
    const bool confirmed = GetParam() == Way::kExit || GetParam() == Way::kEnter;
    EXPECT_EQ(confirmed ? IDOK : IDCANCEL, window.Result());
    EXPECT_EQ(0, HandshakeValuesLeft());
    EXPECT_EQ(std::vector<std::string>{"allow"}, ui.foreground);   // before the values go
    EXPECT_TRUE(reg::ValueExists(HKEY_CURRENT_USER, kKeyA, _T("other")));
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingTheWindow,
                         testing::Values(Way::kExit, Way::kCloseBox, Way::kEnter, Way::kEscape));
