// The launcher's row: the window with each description the mouse or F1
// brings up. It folds German and French regional variants only, and its
// language list is sorted.
#include "tests/languages/ProgramTexts.h"
#include "tests/support/TextFit.h"
#include "toolcrate/ToolcrateDlg.h"
#include "toolcrate/core/LauncherTexts.h"
#include "toolcrate/core/SuiteModule.h"
#include "toolcrate/resource.h"
#include <gtest/gtest.h>

namespace {
void ExpectWindowsFit(const CTranslation& texts, const std::string& where) {
    CToolcrateDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    std::vector<std::pair<int, int>> descriptions = {
        {launchertext::kStartFirstLine, launchertext::kStartSecondLine},
        {30, 32},   // the mouse over no module
        {launchertext::kHelpFirstLine, launchertext::kHelpSecondLine}};
    for (const SuiteModule& module : SuiteModules)
        descriptions.emplace_back(module.hoverFirst, module.hoverSecond);
    for (const auto& lines : descriptions)
        textfit::ExpectTextFits(main.Item(IDC_DESCRIPTION),
                                texts.GetText(lines.first) + _T("\n") + texts.GetText(lines.second),
                                where + " description");
}
}  // namespace

const ProgramTexts& ThisProgram() {
    static const ProgramTexts row{TOOLCRATE_SOURCES, _T("toolcratetrl.ini"), LauncherDialects(),
                                  {1031, 1036},
                                  {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
                                  true, ExpectWindowsFit};
    return row;
}
