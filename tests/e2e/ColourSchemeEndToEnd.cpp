// The three real programs under a black colour scheme: no area of a main
// window keeps the default scheme's grey. The scheme is the whole session's
// (SetSysColors), so these tests run alone and put the colours back.
#include "tests/support/StagedProgram.h"
#include <gtest/gtest.h>

namespace {

const COLORREF kDefaultFace = RGB(240, 240, 240);   // the default scheme's
const int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
const COLORREF kBlack[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};

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

struct Program {
    const char* name;
    const wchar_t* exe;
    const char* sources;
    const wchar_t* languageFile;
};

class ColourScheme : public testing::TestWithParam<Program> {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            saved_[i] = GetSysColor(kElements[i]);
        SetSysColors(4, kElements, kBlack);
    }
    void TearDown() override { SetSysColors(4, kElements, saved_); }

    COLORREF saved_[4] = {};
};

}  // namespace

TEST_P(ColourScheme, NoAreaOfTheMainWindowKeepsTheDefaultGrey) {
    StagedProgram program(GetParam().exe, GetParam().sources, GetParam().languageFile);
    const HWND window = program.Start("[1033]");
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, GreyArea(window));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindows, ColourScheme,
    testing::Values(Program{"Verbsmith", VERBSMITH_EXE, VERBSMITH_SOURCES, L"Verbsmithtrl.ini"},
                    Program{"Slicewise", SLICEWISE_EXE, SLICEWISE_SOURCES, L"Slicewisetrl.ini"},
                    Program{"Toolcrate", TOOLCRATE_EXE, TOOLCRATE_SOURCES, L"toolcratetrl.ini"}),
    [](const testing::TestParamInfo<Program>& info) { return std::string(info.param.name); });
