#pragma once
// The eleven modules the launcher offers, in the order of the Module menu, of
// the help-file submenu and of the rows of buttons.
#include "framework/TString.h"
#include <cstddef>

struct SuiteModule {
    const TCHAR* name;            // also the name of its subfolder
    int button;                   // push button in dialog 102
    int caption;                  // text on the button
    int launchCommand;            // Module menu entry
    int helpCommand;              // entry of the help-file submenu
    int menuText;                 // text of both menu entries
    int hoverFirst, hoverSecond;  // description lines in its hover area
    const TCHAR* executable;      // relative to the install folder
    const TCHAR* helpFile;        // relative to the install folder
    const TCHAR* backgroundKey;   // HKEY_LOCAL_MACHINE key of "background control"; "" for none
    bool takesLanguage;           // its config.ini receives the launcher's language choice
};

const size_t kSuiteModuleCount = 11;
extern const SuiteModule SuiteModules[kSuiteModuleCount];

// The row bound to a button, a Module-menu command or a help command;
// nullptr when the id belongs to none.
const SuiteModule* ModuleByButton(int id);
const SuiteModule* ModuleByLaunchCommand(int id);
const SuiteModule* ModuleByHelpCommand(int id);
