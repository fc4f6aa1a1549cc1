// The real launcher at 144 DPI (150 %): fresh-prefix.sh runs this program in a
// Wine prefix of its own whose LogPixels is 144. Wine sends no WM_DPICHANGED;
// what a DPI change re-applies is tested in the windows' own tests.
#include <gtest/gtest.h>
#include "framework/DpiBitmap.h"
#include "tests/support/ProgramWindows.h"
#include "toolcrate/core/SuiteModule.h"
#include "tests/support/StagedProgram.h"
#include <set>

using program::TextOf;

namespace {

const int kDescription = 1017;

class LauncherAt144Dpi : public testing::Test {
protected:
    // The launcher's pixels as they are, not as a 96-DPI program would see them.
    LauncherAt144Dpi() { SetProcessDPIAware(); }
    void Start() {
        window = launcher.Start("[1033]");
        ASSERT_NE(nullptr, window);
    }
    // Sent, so that the description is written when it returns.
    void MoveTo(POINT point) {
        SendMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    }
    // The description after the mouse came from outside the button region.
    tstring DescriptionAt(POINT point) {
        MoveTo(POINT{1, 1});
        MoveTo(point);
        return TextOf(GetDlgItem(window, kDescription));
    }
    RECT ClientRect(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    POINT Centre(int button) const {
        const RECT r = ClientRect(GetDlgItem(window, button));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    StagedProgram launcher{TOOLCRATE_EXE, TOOLCRATE_SOURCES, _T("toolcratetrl.ini")};
    HWND window = nullptr;
};

}  // namespace

// Each module's hover area covers its button as the dialog manager placed it
// (corners and centre), the areas are the modules' own, and the empty cell
// beside the last row changes nothing.
TEST_F(LauncherAt144Dpi, EachHoverAreaCoversItsButton) {
    const HDC screen = GetDC(nullptr);
    ASSERT_EQ(144, GetDeviceCaps(screen, LOGPIXELSY)) << "the prefix is not at 144 DPI";
    ReleaseDC(nullptr, screen);
    Start();

    std::set<tstring> descriptions;
    for (const SuiteModule& module : SuiteModules) {
        const RECT r = ClientRect(GetDlgItem(window, module.button));
        const tstring own = DescriptionAt(Centre(module.button));
        descriptions.insert(own);
        for (POINT corner : {POINT{r.left, r.top}, POINT{r.right - 1, r.top},
                             POINT{r.left, r.bottom - 1}, POINT{r.right - 1, r.bottom - 1}})
            EXPECT_EQ(own, DescriptionAt(corner))
                << module.name << " at " << corner.x << "," << corner.y;
    }
    MoveTo(POINT{1, 1});
    descriptions.insert(TextOf(GetDlgItem(window, kDescription)));   // outside the region
    EXPECT_EQ(std::size(SuiteModules) + 1, descriptions.size());

    const SuiteModule& cryptvale = SuiteModules[8];
    const SuiteModule& dirlister = SuiteModules[10];
    const tstring shown = DescriptionAt(Centre(cryptvale.button));
    MoveTo(POINT{Centre(cryptvale.button).x, Centre(dirlister.button).y});
    EXPECT_EQ(shown, TextOf(GetDlgItem(window, kDescription)));

    // The banner and the logo grew with the layout: the banner still reaches
    // the bottom and stops short of the buttons, the logo stays inside.
    const std::vector<HWND> pictures = PictureControls(window);
    ASSERT_EQ(2u, pictures.size());
    RECT client;
    GetClientRect(window, &client);
    const RECT banner = ClientRect(pictures[0]), logo = ClientRect(pictures[1]);
    const RECT firstButton = ClientRect(GetDlgItem(window, SuiteModules[0].button));
    EXPECT_LT(120, banner.right - banner.left);
    EXPECT_LE(banner.right, firstButton.left);
    EXPECT_GE(banner.bottom, client.bottom);
    EXPECT_LT(97, logo.right - logo.left);
    EXPECT_LE(logo.right, client.right);

    PostMessage(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit());
}
