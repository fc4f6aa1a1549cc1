#include <gtest/gtest.h>
#include "toolcrate/core/SuiteModule.h"
#include <set>

// Every row's paths lie in the module's own subfolder, as the install expects.
TEST(SuiteModule, PathsLieInTheModulesSubfolder) {
    for (const SuiteModule& module : SuiteModules) {
        const tstring folder = _T("\\") + tstring(module.name) + _T("\\");
        EXPECT_EQ(0u, tstring(module.executable).find(folder)) << module.name;
        EXPECT_EQ(folder + _T("help.chm"), module.helpFile) << module.name;
    }
}

// A command or button must reach exactly one module: the ids of buttons,
// launch commands and help commands never collide.
TEST(SuiteModule, IdsAreUniqueAndFindTheirRow) {
    std::set<int> ids;
    std::set<int> texts;
    for (const SuiteModule& module : SuiteModules) {
        EXPECT_TRUE(ids.insert(module.button).second) << module.name;
        EXPECT_TRUE(ids.insert(module.launchCommand).second) << module.name;
        EXPECT_TRUE(ids.insert(module.helpCommand).second) << module.name;
        for (int text : {module.caption, module.menuText, module.hoverFirst, module.hoverSecond})
            EXPECT_TRUE(texts.insert(text).second) << module.name << " text " << text;
        EXPECT_EQ(&module, ModuleByButton(module.button));
        EXPECT_EQ(&module, ModuleByLaunchCommand(module.launchCommand));
        EXPECT_EQ(&module, ModuleByHelpCommand(module.helpCommand));
    }
    EXPECT_EQ(nullptr, ModuleByButton(1017));
    EXPECT_EQ(nullptr, ModuleByLaunchCommand(32786));
    EXPECT_EQ(nullptr, ModuleByHelpCommand(32771));
}
TEST(SuiteModule, BackgroundKeysAndLanguageFlags) {
    tstrings withKey, withLanguage;
    for (const SuiteModule& module : SuiteModules) {
        if (module.backgroundKey[0])
            withKey.push_back(tstring(module.name) + _T("=") + module.backgroundKey);
        if (module.takesLanguage)
            withLanguage.push_back(module.name);
    }
    EXPECT_EQ((tstrings{_T("Tracebane=Software\\Vantorel\\Vantorel Tracebane"),
                        _T("Bootkindle=Software\\Vantorel\\Vantorel Bootkindle")}),
              withKey);
    EXPECT_EQ((tstrings{_T("Prefkeeper"), _T("Shredwell"), _T("Cryptvale")}), withLanguage);
}
