#include <gtest/gtest.h>
#include "toolcrate/core/LauncherTexts.h"
#include "common/Handshake.h"
#include "tests/support/ProgramFolder.h"
#include "ToolcrateDlg.h"
#include "resource.h"
#include "common/SharedDialogIds.h"
#include "framework/BufferedFile.h"
#include "framework/DpiBitmap.h"
#include "framework/Menus.h"
#include "framework/ProgramName.h"
#include "framework/SystemError.h"
#include "framework/testkit/DialogDriver.h"
#include "framework/testkit/ModalDialogHandler.h"
#include "framework/testkit/RecordingUi.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"

using namespace launchertext;

namespace {

const TCHAR kLanguageFileName[] = _T("toolcratetrl.ini");

const tstring kHandshakeKey = handshake::kKey;
const TCHAR kUacKey[] = _T("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");

class ToolcrateWindow : public testing::Test {
protected:
    ToolcrateWindow() { english.Load(); }

    // Opens the window; false when it closed during its initialisation.
    bool Open() {
        dialog.Create();
        return dialog.Handle() != nullptr;
    }
    tstring Description(const CTranslation& texts, int first, int second) const {
        return texts.GetText(first) + _T("\n") + texts.GetText(second);
    }
    // A module's row, found by its button, and the description of its area.
    static const SuiteModule& Module(int button) { return *ModuleByButton(button); }
    tstring Hover(const CTranslation& texts, int button) const {
        return Description(texts, Module(button).hoverFirst, Module(button).hoverSecond);
    }
    tstring Shown() const { return ui().Text(IDC_DESCRIPTION); }
    DialogDriver ui() const { return DialogDriver(dialog.Handle()); }
    // Sent straight to the window. The real pointer, which other tests on the
    // display move, only queues its moves; these tests pump messages only in
    // the modal language dialog and About box, which disable the launcher, so
    // the queued moves never reach the description.
    void MoveTo(int x, int y) { ui().MoveMouseTo(POINT{x, y}); }

    // A language file section other than English, loaded for comparisons.
    CTranslation German() {
        const std::string saved = folder.Settings();
        folder.SetLanguage("[1031]");
        CTranslation german(LauncherDialects());
        german.Load();
        files::Write(folder / _T("config.ini"), saved);
        return german;
    }
    void PickLanguage(ModalDialogHandler& modal, const tstring& name) {
        modal.Expect([name](HWND window) {
            DialogDriver language(window);
            EXPECT_TRUE(language.PickComboText(IDC_LANGUAGE_COMBO, name));
            language.Click(IDOK);
        });
        ui().MenuCommand(ID_FILE_LANGUAGE);
    }
    tstring MenuText(std::initializer_list<int> path) const {
        HMENU menu = ui().Menu();
        std::vector<int> positions(path);
        for (size_t i = 0; i + 1 < positions.size(); ++i)
            menu = GetSubMenu(menu, positions[i]);
        return MenuItemTextAt(menu, positions.back());
    }
    int AboutItems() const {
        const HMENU menu = GetSystemMenu(dialog.Handle(), FALSE);
        int count = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            count += GetMenuItemID(menu, i) == MainWindow::kAboutCommand;
        return count;
    }
    tstring ActiveValue() const {
        return reg::GetText(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active"));
    }

    RegistrySandbox sandbox;
    ProgramFolder folder{TOOLCRATE_SOURCES, kLanguageFileName};
    RecordingUi recording;
    CTranslation english{LauncherDialects()};
    CToolcrateDlg dialog;
};

}  // namespace

TEST_F(ToolcrateWindow, StartShowsTheLanguagesTexts) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(_T("Vantorel Toolcrate 2"), ui().Caption());
    EXPECT_EQ(Description(english, kStartFirstLine, kStartSecondLine), Shown());
    for (const SuiteModule& module : SuiteModules)
        EXPECT_EQ(english.GetText(module.caption), ui().Text(module.button)) << module.name;
    EXPECT_EQ(english.GetText(kCleaningGroup), ui().Text(IDC_GROUP_CLEANING));
    EXPECT_EQ(english.GetText(kTuningGroup), ui().Text(IDC_GROUP_TUNING));
    EXPECT_EQ(english.GetText(kFilesGroup), ui().Text(IDC_GROUP_FILES));
    EXPECT_EQ(_T(""), ui().Text(IDC_WELCOME));
    EXPECT_FALSE(ui().IsVisible(IDC_WELCOME));
    EXPECT_FALSE(ui().IsVisible(IDOK));
    EXPECT_FALSE(ui().IsVisible(IDCANCEL));
    EXPECT_TRUE(ui().HasFocus(IDC_DISKSCOUR));
    EXPECT_EQ(1, AboutItems());
    EXPECT_TRUE(recording.messages.empty());
}

// Without its language file the launcher says so once and stays English:
// module buttons from the template, module menus and description built in.
TEST_F(ToolcrateWindow, WithoutItsLanguageFileTheWindowShowsEnglish) {
    const tstring file = folder / kLanguageFileName;
    DeleteFile(file.c_str());
    ASSERT_TRUE(Open());
    EXPECT_EQ(tstrings{}, ui().BlankTexts());
    EXPECT_EQ(Description(english, kStartFirstLine, kStartSecondLine), Shown());
    EXPECT_EQ(english.GetText(Module(IDC_DISKSCOUR).menuText), MenuText({1, 0}));
    DialogDriver::Pump();   // the report comes once the window shows
    ASSERT_EQ(1u, recording.messages.size());
    EXPECT_NE(tstring::npos, recording.messages[0].text.find(file));
    EXPECT_EQ(_T("Vantorel Toolcrate 2"), recording.messages[0].caption);
}

// The dialog manager's keyboard handling, as the modal loop runs it.
TEST_F(ToolcrateWindow, EnterStartsDiskscourAndEscapeCloses) {
    ASSERT_TRUE(Open());
    MSG enter = {GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessage(dialog.Handle(), &enter));
    ASSERT_EQ(1u, recording.shells.size());
    EXPECT_EQ(folder / _T("Diskscour\\dskscour.exe"), recording.shells[0].start.file);

    ui().Timer(ModuleLauncher::kTimerId);   // no "x" left: back
    MSG escape = {dialog.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessage(dialog.Handle(), &escape));
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(IDCANCEL, dialog.Result());
}

TEST_F(ToolcrateWindow, MenusCarryTheTextsAndMarks) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(english.GetText(kFileMenu), MenuText({0}));
    EXPECT_EQ(english.GetText(kModuleMenu), MenuText({1}));
    EXPECT_EQ(english.GetText(kHelpMenu), MenuText({2}));
    EXPECT_EQ(_T("  ") + english.GetText(kLanguageItem), MenuText({0, 0}));
    EXPECT_EQ(_T("  ") + english.GetText(kExitItem), MenuText({0, 2}));
    EXPECT_EQ(english.GetText(Module(IDC_DISKSCOUR).menuText), MenuText({1, 0}));
    // Prefkeeper comes after a separator.
    EXPECT_EQ(english.GetText(Module(IDC_PREFKEEPER).menuText), MenuText({1, 4}));
    EXPECT_EQ(english.GetText(Module(IDC_DIRLISTER).menuText), MenuText({1, 12}));
    EXPECT_EQ(_T("  ") + english.GetText(kHelpFilesItem), MenuText({2, 0}));
    EXPECT_EQ(_T("  ") + english.GetText(kWebsiteItem), MenuText({2, 1}));
    EXPECT_EQ(_T("  ") + english.GetText(kAboutItem), MenuText({2, 3}));
    EXPECT_EQ(english.GetText(Module(IDC_VERBSMITH).menuText), MenuText({2, 0, 6}));   // help file
    // Ids stay: the help-file entry still opens its submenu.
    EXPECT_NE(nullptr, GetSubMenu(GetSubMenu(ui().Menu(), 2), 0));
    EXPECT_EQ(32800u, GetMenuItemID(GetSubMenu(GetSubMenu(ui().Menu(), 2), 0), 12));

    for (POINT mark : {POINT{0, 0}, POINT{0, 2}, POINT{2, 0}, POINT{2, 1}, POINT{2, 3}}) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        GetMenuItemInfo(GetSubMenu(ui().Menu(), mark.x), mark.y, TRUE, &info);
        EXPECT_NE(nullptr, info.hbmpChecked) << mark.x << "/" << mark.y;
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked);
    }
}

TEST_F(ToolcrateWindow, DescriptionFollowsTheMouse) {
    ASSERT_TRUE(Open());
    const tstring outside = Description(english, kOutsideFirstLine, kOutsideSecondLine);
    MoveTo(10, 10);
    EXPECT_EQ(outside, Shown());
    MoveTo(121, 46);
    EXPECT_EQ(Hover(english, IDC_DISKSCOUR), Shown());
    MoveTo(120, 46);
    EXPECT_EQ(outside, Shown());
    MoveTo(200, 50);   // back into the same area: set again
    EXPECT_EQ(Hover(english, IDC_DISKSCOUR), Shown());
    MoveTo(599, 46);
    EXPECT_EQ(Hover(english, IDC_HIVEMOP), Shown());
    MoveTo(600, 46);
    EXPECT_EQ(outside, Shown());
    MoveTo(300, 45);
    EXPECT_EQ(outside, Shown());
    MoveTo(300, 283);
    EXPECT_EQ(Hover(english, IDC_SHREDWELL), Shown());
    MoveTo(300, 284);
    MoveTo(300, 285);
    EXPECT_EQ(Hover(english, IDC_SHREDWELL), Shown());   // the gap changes nothing
    MoveTo(300, 286);
    EXPECT_EQ(Hover(english, IDC_DIRLISTER), Shown());
    MoveTo(300, 350);
    MoveTo(300, 358);
    MoveTo(500, 300);   // the empty cell
    EXPECT_EQ(Hover(english, IDC_DIRLISTER), Shown());
    MoveTo(300, 349);
    EXPECT_EQ(Hover(english, IDC_DIRLISTER), Shown());
    MoveTo(300, 359);
    EXPECT_EQ(outside, Shown());
}

// The start's focus on the first button leaves the welcome text
// (StartShowsTheLanguagesTexts); the user's focus moves show as hovering does.
TEST_F(ToolcrateWindow, DescriptionFollowsTheKeyboardFocus) {
    ASSERT_TRUE(Open());
    SetFocus(ui().Item(IDC_HIVEMOP));
    EXPECT_EQ(Hover(english, IDC_HIVEMOP), Shown());
    SetFocus(ui().Item(IDC_DIRLISTER));
    EXPECT_EQ(Hover(english, IDC_DIRLISTER), Shown());
}

TEST_F(ToolcrateWindow, HelpKeyShowsItsTextUntilAnotherAreaIsReached) {
    ASSERT_TRUE(Open());
    MoveTo(200, 100);
    EXPECT_EQ(Hover(english, IDC_DISKSCOUR), Shown());
    ui().Help(IDC_DISKSCOUR);
    EXPECT_EQ(Description(english, kHelpFirstLine, kHelpSecondLine), Shown());
    MoveTo(201, 101);   // within the area that was current
    EXPECT_EQ(Description(english, kHelpFirstLine, kHelpSecondLine), Shown());
    MoveTo(300, 100);
    EXPECT_EQ(Hover(english, IDC_TRACEBANE), Shown());
    ui().Help(IDC_TRACEBANE);
    MoveTo(5, 5);
    EXPECT_EQ(Description(english, kOutsideFirstLine, kOutsideSecondLine), Shown());
}

TEST_F(ToolcrateWindow, LanguageChangeReachesEveryTextAndTheModules) {
    // Prefkeeper and Shredwell are installed, Cryptvale is not.
    for (const TCHAR* module : {_T("Prefkeeper"), _T("Shredwell")}) {
        CreateDirectory((folder / module).c_str(), nullptr);
        files::Write(folder / module + _T("\\config.ini"), "Language\r\n[----]\r\n");
    }
    CreateDirectory((folder / _T("Cryptvale")).c_str(), nullptr);
    ASSERT_TRUE(Open());
    MoveTo(5, 5);
    const CTranslation german = German();

    ModalDialogHandler modal;
    PickLanguage(modal, _T("Deutsch"));
    EXPECT_EQ(1, modal.Handled());

    EXPECT_NE(std::string::npos, files::Read(folder / _T("config.ini")).find("Language\r\n[1031]\r\n"));
    for (const TCHAR* module : {_T("Prefkeeper"), _T("Shredwell")})
        EXPECT_EQ("Language\r\n[1031]\r\n", files::Read(folder / module + _T("\\config.ini")));
    EXPECT_FALSE(files::Exists(folder / _T("Cryptvale\\config.ini")));
    EXPECT_TRUE(recording.messages.empty());

    EXPECT_EQ(german.GetText(kFileMenu), MenuText({0}));
    EXPECT_EQ(german.GetText(kHelpMenu), MenuText({2}));
    EXPECT_EQ(_T("  ") + german.GetText(kAboutItem), MenuText({2, 3}));
    EXPECT_EQ(german.GetText(Module(IDC_CRYPTVALE).menuText), MenuText({1, 10}));
    EXPECT_EQ(german.GetText(kTuningGroup), ui().Text(IDC_GROUP_TUNING));
    EXPECT_EQ(Description(german, kStartFirstLine, kStartSecondLine), Shown());
    MoveTo(300, 100);
    EXPECT_EQ(Hover(german, IDC_TRACEBANE), Shown());

    PickLanguage(modal, _T("English"));
    EXPECT_EQ(english.GetText(kFileMenu), MenuText({0}));
    EXPECT_EQ(1, AboutItems());
}

// A module whose settings cannot be written does not stop the change: the
// launcher switches, the others are written, and the user hears of it.
TEST_F(ToolcrateWindow, UnwritableModuleSettingsAreReportedAfterTheSwitch) {
    for (const TCHAR* module : {_T("Prefkeeper"), _T("Shredwell"), _T("Cryptvale")}) {
        CreateDirectory((folder / module).c_str(), nullptr);
        files::Write(folder / module + _T("\\config.ini"), "Language\r\n[1033]\r\n");
    }
    const tstring locked = folder / _T("Shredwell\\config.ini");
    const HANDLE holder = CreateFile(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    ASSERT_TRUE(Open());
    const CTranslation german = German();
    ModalDialogHandler modal;
    PickLanguage(modal, _T("Deutsch"));
    CloseHandle(holder);

    EXPECT_EQ(german.GetText(kFileMenu), MenuText({0}));
    EXPECT_EQ("Language\r\n[1031]\r\n", files::Read(folder / _T("Prefkeeper\\config.ini")));
    EXPECT_EQ("Language\r\n[1031]\r\n", files::Read(folder / _T("Cryptvale\\config.ini")));
    EXPECT_EQ("Language\r\n[1033]\r\n", files::Read(locked));
    const FileError held = FileError::FromLastError(ERROR_SHARING_VIOLATION, locked);
    recording.ExpectBoxes(dialog.Handle(), ProgramName(),
                          {{FailureText(held.Message(), held.osError), MB_ICONSTOP}});
}

TEST_F(ToolcrateWindow, UacOnAsksAndYesContinues) {
    reg::SetDword(HKEY_LOCAL_MACHINE, kUacKey, _T("EnableLUA"), 1);
    recording.QueueButton(IDYES);
    ASSERT_TRUE(Open());
    const tstring question = english.GetText(kUacQuestion1) + _T("\n\n") +
                             english.GetText(kUacQuestion2) + _T("\n\n") +
                             english.GetText(kUacQuestion3);
    recording.ExpectBoxes(dialog.Handle(), english.GetText(kCaption),
                          {{question, MB_YESNO | MB_ICONQUESTION}});
    EXPECT_FALSE(dialog.Ended());
    EXPECT_EQ(Description(english, kStartFirstLine, kStartSecondLine), Shown());

    // A language change does not ask again.
    ModalDialogHandler modal;
    PickLanguage(modal, _T("Deutsch"));
    EXPECT_EQ(1u, recording.messages.size());
}

TEST_F(ToolcrateWindow, UacOnAndNoCloses) {
    reg::SetDword(HKEY_LOCAL_MACHINE, kUacKey, _T("EnableLUA"), 1);
    recording.QueueButton(IDNO);
    Open();
    EXPECT_EQ(1u, recording.messages.size());
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(IDCANCEL, dialog.Result());
}

TEST_F(ToolcrateWindow, UacOffOrUnsetAsksNothing) {
    reg::SetDword(HKEY_LOCAL_MACHINE, kUacKey, _T("EnableLUA"), 0);
    ASSERT_TRUE(Open());
    EXPECT_TRUE(recording.messages.empty());
    CToolcrateDlg second;
    RegDeleteKeyValue(HKEY_LOCAL_MACHINE, kUacKey, _T("EnableLUA"));
    second.Create();
    EXPECT_TRUE(recording.messages.empty());
    EXPECT_FALSE(second.Ended());
}

TEST_F(ToolcrateWindow, ButtonAndMenuLaunchTheSameWayAndTheTimerBringsTheWindowBack) {
    ASSERT_TRUE(Open());
    ui().Click(IDC_VERBSMITH);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(_T("x"), ActiveValue());
    ui().Timer(ModuleLauncher::kTimerId);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));

    reg::SetText(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active"), _T("X"));
    ui().Timer(ModuleLauncher::kTimerId);
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(std::vector<HWND>{dialog.Handle()}, recording.frontWindows);
    EXPECT_FALSE(reg::ValueExists(HKEY_LOCAL_MACHINE, kHandshakeKey, _T("active")));

    ui().MenuCommand(ID_MODULE_VERBSMITH);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    ASSERT_EQ(2u, recording.shells.size());
    EXPECT_EQ(folder / _T("Verbsmith\\Verbsmith.exe"), recording.shells[0].start.file);
    EXPECT_EQ(recording.shells[0].start.file, recording.shells[1].start.file);
    EXPECT_EQ(recording.shells[0].start.verb, recording.shells[1].start.verb);
}

TEST_F(ToolcrateWindow, RefusalNamesTheProgramAndKeepsTheWindow) {
    reg::SetText(HKEY_LOCAL_MACHINE, _T("Software\\Vantorel\\Vantorel Bootkindle"),
                 _T("background control"), _T("active"));
    ASSERT_TRUE(Open());
    ui().MenuCommand(ID_MODULE_BOOTKINDLE);
    recording.ExpectBoxes(dialog.Handle(), ProgramName(),
                          {{english.GetText(kBackgroundActive1) + _T("\n\n") +
                            english.GetText(kBackgroundActive2)}});
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_TRUE(recording.shells.empty());
}

TEST_F(ToolcrateWindow, ModuleHelpFilesOpenWithTheShell) {
    ASSERT_TRUE(Open());
    ui().MenuCommand(ID_HELPFILE_SEEKMARK);
    ASSERT_EQ(1u, recording.shells.size());
    EXPECT_EQ(folder / _T("Seekmark\\help.chm"), recording.shells[0].start.file);
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
}

TEST_F(ToolcrateWindow, ColoursOfTheCaptionsAndTheDescription) {
    ASSERT_TRUE(Open());
    const HDC dc = CreateCompatibleDC(nullptr);
    const struct {
        int id;
        COLORREF text;
    } cases[] = {{IDC_GROUP_CLEANING, RGB(0, 0, 128)},
                 {IDC_DESCRIPTION, RGB(0, 0, 128)},
                 {IDC_GROUP_TUNING, RGB(128, 0, 0)},
                 {IDC_GROUP_FILES, RGB(0, 128, 0)}};
    for (const auto& c : cases) {
        SetBkMode(dc, OPAQUE);
        const HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessage(
            dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
            reinterpret_cast<LPARAM>(dialog.Item(c.id))));
        LOGBRUSH info = {};
        ASSERT_TRUE(GetObject(brush, sizeof info, &info)) << c.id;
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), info.lbColor);
        EXPECT_EQ(c.text, GetTextColor(dc)) << c.id;
        EXPECT_EQ(TRANSPARENT, GetBkMode(dc)) << c.id;
    }
    const HBRUSH background = reinterpret_cast<HBRUSH>(SendMessage(
        dialog.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(dialog.Handle())));
    LOGBRUSH info = {};
    ASSERT_TRUE(GetObject(background, sizeof info, &info));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), info.lbColor);
    DeleteDC(dc);
}

// What the launcher sizes in pixels follows a DPI change of its monitor, and
// comes back with the change back. The pictures grow with the layout, at
// most by the DPI's factor.
TEST_F(ToolcrateWindow, DpiChangeRedoesFontsPicturesMenuMarksAndIcons) {
    ASSERT_TRUE(Open());
    using Size = std::pair<LONG, LONG>;
    const auto fontHeight = [&](int id) {
        LOGFONT info = {};
        GetObject(reinterpret_cast<HFONT>(SendMessage(dialog.Item(id), WM_GETFONT, 0, 0)),
                  sizeof info, &info);
        return info.lfHeight;
    };
    const auto size = [](HANDLE bitmap) {
        BITMAP info = {};
        GetObject(bitmap, sizeof info, &info);
        return Size(info.bmWidth, info.bmHeight);
    };
    const auto pictures = [&] {
        std::vector<Size> sizes;
        for (HWND picture : PictureControls(dialog.Handle()))
            sizes.push_back(size(reinterpret_cast<HANDLE>(
                SendMessage(picture, STM_GETIMAGE, IMAGE_BITMAP, 0))));
        return sizes;
    };
    const std::vector<Size> drawn = {{120, 437}, {97, 29}};   // banner, logo
    ASSERT_EQ(drawn, pictures());
    const struct {
        int dpi;
        LONG caption, description;
        Size mark;
        LONG smallIcon;
    } cases[] = {{144, 35, 21, {18, 18}, 24}, {96, 23, 14, {12, 12}, 16}};
    for (const auto& c : cases) {
        RECT suggested = {30, 40, 30 + MulDiv(640, c.dpi, 96), 40 + MulDiv(460, c.dpi, 96)};
        SendMessage(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                    reinterpret_cast<LPARAM>(&suggested));
        RECT frame = {};
        GetWindowRect(dialog.Handle(), &frame);
        EXPECT_TRUE(EqualRect(&suggested, &frame)) << c.dpi;
        EXPECT_EQ(c.caption, fontHeight(IDC_GROUP_FILES)) << c.dpi;
        EXPECT_EQ(c.description, fontHeight(IDC_DESCRIPTION)) << c.dpi;
        const std::vector<Size> shown = pictures();
        ASSERT_EQ(drawn.size(), shown.size());
        for (size_t i = 0; i < drawn.size(); ++i) {
            if (c.dpi == 96) {
                EXPECT_EQ(drawn[i], shown[i]);
            } else {
                EXPECT_GT(shown[i].first, drawn[i].first) << i;
                EXPECT_LE(shown[i].first, MulDiv(drawn[i].first, c.dpi, 96)) << i;
            }
        }
        MENUITEMINFO item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_CHECKMARKS;
        GetMenuItemInfo(GetSubMenu(ui().Menu(), 0), 0, TRUE, &item);
        EXPECT_EQ(c.mark, size(item.hbmpChecked)) << c.dpi;
        ICONINFO icon = {};
        GetIconInfo(reinterpret_cast<HICON>(SendMessage(dialog.Handle(), WM_GETICON, ICON_SMALL, 0)),
                    &icon);
        EXPECT_EQ(c.smallIcon, size(icon.hbmColor).first) << c.dpi;
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}
