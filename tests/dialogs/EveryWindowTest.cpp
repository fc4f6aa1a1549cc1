// Every window of the three programs, opened as a user opens it: Tab reaches
// each control that takes input, in the order of the layout; each edit
// field, combo box and list is named for screen readers by the label right
// before it; under a black scheme no area, nor a menu, keeps the default grey.
// The scheme is the whole session's (SetSysColors): these tests run alone and
// put the colours back.
#include "framework/ComScope.h"
#include "framework/Controls.h"
#include "tests/support/ProgramWindows.h"
#include "tests/support/StagedProgram.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <oleacc.h>
#include <algorithm>
#include <cstdlib>
#include <set>

using namespace program;

namespace {
struct Program {
    const TCHAR* exe;
    const char* sources;
    const TCHAR* languageFile;
};
const Program kVerbsmith = {VERBSMITH_EXE, VERBSMITH_SOURCES, _T("Verbsmithtrl.ini")};
const Program kSlicewise = {SLICEWISE_EXE, SLICEWISE_SOURCES, _T("Slicewisetrl.ini")};
const Program kToolcrate = {TOOLCRATE_EXE, TOOLCRATE_SOURCES, _T("toolcratetrl.ini")};

struct Window {
    const char* name;
    const Program* program;
    int command;        // the main window's command that opens it; 0: the main window
    bool layoutOrder;   // false: the template fixes another tab order
};
void PrintTo(const Window& window, std::ostream* out) { *out << window.name; }

// The launcher's buttons keep the tab order of its template.
const Window kWindows[] = {
    {"VerbsmithMain", &kVerbsmith, 0, true}, {"VerbsmithEntry", &kVerbsmith, 32781, true},
    {"VerbsmithRestore", &kVerbsmith, 32783, true}, {"VerbsmithLanguage", &kVerbsmith, 32771, true},
    {"VerbsmithAbout", &kVerbsmith, 32775, true}, {"SlicewiseMain", &kSlicewise, 0, true},
    {"SlicewiseLanguage", &kSlicewise, 32771, true}, {"SlicewiseAbout", &kSlicewise, 32773, true},
    {"ToolcrateMain", &kToolcrate, 0, false}, {"ToolcrateLanguage", &kToolcrate, 32786, true},
    {"ToolcrateAbout", &kToolcrate, 32781, true},
};

// A radio group is one stop: its checked button.
bool TakesInput(HWND control) {
    if (!IsWindowVisible(control) || !IsWindowEnabled(control) || HasClass(control, WC_STATIC))
        return false;
    const LONG type = GetWindowLong(control, GWL_STYLE) & BS_TYPEMASK;
    if (!HasClass(control, WC_BUTTON))
        return true;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        return SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return type != BS_GROUPBOX;
}

RECT Place(HWND dialog, HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Top to bottom, and left to right within a row: tops closer than half the
// lower control's height share a row.
bool ReadsBefore(const RECT& a, const RECT& b) {
    const LONG row = std::min(a.bottom - a.top, b.bottom - b.top) / 2;
    return std::abs(a.top - b.top) < row ? a.left < b.left : a.top < b.top;
}

const COLORREF kDefaultFace = RGB(240, 240, 240);
const int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_MENU};
const COLORREF kBlack[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                           RGB(0, 0, 0)};

class BlackScheme {
public:
    BlackScheme() {
        for (int i = 0; i < 5; ++i)
            saved_[i] = GetSysColor(kElements[i]);
        SetSysColors(5, kElements, kBlack);
    }
    ~BlackScheme() { SetSysColors(5, kElements, saved_); }

private:
    COLORREF saved_[5] = {};
};

// Pixels of the grey whose right and lower neighbours are grey too: an area
// painted in it, not the smoothing at a letter's edge.
int GreyArea(HWND window) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const HDC screen = GetDC(nullptr);
    int found = 0;
    for (int y = client.top; y + 1 < client.bottom; ++y)
        for (int x = client.left; x + 1 < client.right; ++x)
            found += GetPixel(screen, x, y) == kDefaultFace &&
                     GetPixel(screen, x + 1, y) == kDefaultFace &&
                     GetPixel(screen, x, y + 1) == kDefaultFace;
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring AccessibleName(HWND control) {
    IAccessible* object = nullptr;
    BSTR name = nullptr;
    VARIANT self = {};
    self.vt = VT_I4;   // CHILDID_SELF
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        object->get_accName(self, &name);
        object->Release();
    }
    const std::wstring text = name ? name : L"<no name>";
    SysFreeString(name);
    return text;
}

class EveryWindow : public testing::TestWithParam<Window> {
protected:
    HWND Open() {
        const HWND main = staged.Start("[1033]");
        if (!main || !GetParam().command)
            return main;
        PostMessage(main, WM_COMMAND, static_cast<WPARAM>(GetParam().command), 0);
        return WaitFor([&] { return DialogOf(staged.Id(), main); });
    }

    ComScope com;
    StagedProgram staged{GetParam().program->exe, GetParam().program->sources,
                         GetParam().program->languageFile};
};
class MainWindowMenu : public EveryWindow {};
}  // namespace

TEST_P(EveryWindow, TabReachesEachControlThatTakesInputInTheOrderOfTheLayout) {
    const HWND dialog = Open();
    ASSERT_NE(nullptr, dialog);
    std::vector<HWND> walk;
    for (HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
         control && (walk.empty() || control != walk.front()) && walk.size() < 100;
         control = GetNextDlgTabItem(dialog, control, FALSE))
        walk.push_back(control);
    std::set<int> reached, inputs;
    for (HWND control : walk)
        reached.insert(GetDlgCtrlID(control));
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        if (TakesInput(control))
            inputs.insert(GetDlgCtrlID(control));
    EXPECT_EQ(inputs, reached);

    for (size_t i = 1; GetParam().layoutOrder && i < walk.size(); ++i)
        EXPECT_TRUE(ReadsBefore(Place(dialog, walk[i - 1]), Place(dialog, walk[i])))
            << "control " << GetDlgCtrlID(walk[i]) << " comes after " << GetDlgCtrlID(walk[i - 1]);
}

// Windows names such a control from the static text before it; Wine's
// accessibility does so for edit fields only, so the others are checked by
// their label's place.
TEST_P(EveryWindow, EachFieldAndListIsNamedByTheLabelRightBeforeIt) {
    const HWND dialog = Open();
    ASSERT_NE(nullptr, dialog);
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!HasClass(control, WC_EDIT) && !HasClass(control, WC_COMBOBOX) &&
            !HasClass(control, WC_LISTVIEW))
            continue;
        const HWND label = GetWindow(control, GW_HWNDPREV);
        const LONG type = label ? GetWindowLong(label, GWL_STYLE) & SS_TYPEMASK : 0;
        ASSERT_TRUE(label && HasClass(label, WC_STATIC) && type != SS_BITMAP && type != SS_ICON &&
                    !TextOf(label).empty())
            << "control " << GetDlgCtrlID(control) << " has no label right before it";
        if (HasClass(control, WC_EDIT)) {
            EXPECT_EQ(TextOf(label), AccessibleName(control))
                << "control " << GetDlgCtrlID(control);
        }
    }
}

TEST_P(EveryWindow, NoAreaKeepsTheDefaultGreyUnderABlackScheme) {
    const BlackScheme scheme;
    const HWND dialog = Open();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(0, GreyArea(dialog));
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<Window>& info) {
                             return std::string(info.param.name);
                         });

// The marks, drawn on the default grey, take the menu's colour when the scheme
// turns black under the open window. The first menu of each main window (rows
// 0, 5 and 8) opens as by Alt, Down.
TEST_P(MainWindowMenu, KeepsNoDefaultGreyWhenTheSchemeTurnsBlack) {
    const HWND main = Open();
    const BlackScheme scheme;
    PostMessage(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostMessage(main, WM_KEYDOWN, VK_DOWN, 0);
    const HWND menu = WaitFor([] { return FindWindow(_T("#32768"), nullptr); });
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(0, GreyArea(menu));
}
INSTANTIATE_TEST_SUITE_P(ThreePrograms, MainWindowMenu,
                         testing::Values(kWindows[0], kWindows[5], kWindows[8]));
