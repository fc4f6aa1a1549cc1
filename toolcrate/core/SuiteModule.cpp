#include "toolcrate/core/SuiteModule.h"

const SuiteModule SuiteModules[kSuiteModuleCount] = {
    {_T("Diskscour"), 1002, 100, 32771, 32782, 211, 40, 42,
     _T("\\Diskscour\\dskscour.exe"), _T("\\Diskscour\\help.chm"), _T(""), false},
    {_T("Tracebane"), 1003, 102, 32772, 32783, 212, 50, 52,
     _T("\\Tracebane\\trcbane.exe"), _T("\\Tracebane\\help.chm"),
     _T("Software\\Vantorel\\Vantorel Tracebane"), false},
    {_T("Hivemop"), 1004, 104, 32773, 32784, 213, 60, 62,
     _T("\\Hivemop\\hivemop.exe"), _T("\\Hivemop\\help.chm"), _T(""), false},
    {_T("Prefkeeper"), 1013, 109, 32789, 32792, 214, 140, 142,
     _T("\\Prefkeeper\\Prefkeeper.exe"), _T("\\Prefkeeper\\help.chm"), _T(""), true},
    {_T("Bootkindle"), 1005, 106, 32774, 32785, 215, 70, 72,
     _T("\\Bootkindle\\btkindle.exe"), _T("\\Bootkindle\\help.chm"),
     _T("Software\\Vantorel\\Vantorel Bootkindle"), false},
    {_T("Verbsmith"), 1010, 111, 32793, 32797, 216, 150, 152,
     _T("\\Verbsmith\\Verbsmith.exe"), _T("\\Verbsmith\\help.chm"), _T(""), false},
    {_T("Seekmark"), 1014, 112, 32794, 32798, 217, 160, 162,
     _T("\\Seekmark\\Seekmark.exe"), _T("\\Seekmark\\help.chm"), _T(""), false},
    {_T("Shredwell"), 1011, 107, 32787, 32790, 218, 120, 122,
     _T("\\Shredwell\\shrdwell.exe"), _T("\\Shredwell\\help.chm"), _T(""), true},
    {_T("Cryptvale"), 1012, 108, 32788, 32791, 219, 130, 132,
     _T("\\Cryptvale\\cryptvl.exe"), _T("\\Cryptvale\\help.chm"), _T(""), true},
    {_T("Slicewise"), 1007, 113, 32795, 32799, 220, 170, 172,
     _T("\\Slicewise\\Slicewise.exe"), _T("\\Slicewise\\help.chm"), _T(""), false},
    {_T("Dirlister"), 1008, 114, 32796, 32800, 221, 180, 182,
     _T("\\Dirlister\\dirlist.exe"), _T("\\Dirlister\\help.chm"), _T(""), false},
};

namespace {
template <typename Field>
const SuiteModule* FindModule(Field field, int id) {
    for (const SuiteModule& module : SuiteModules)
        if (module.*field == id)
            return &module;
    return nullptr;
}
}  // namespace

const SuiteModule* ModuleByButton(int id) { return FindModule(&SuiteModule::button, id); }
const SuiteModule* ModuleByLaunchCommand(int id) {
    return FindModule(&SuiteModule::launchCommand, id);
}
const SuiteModule* ModuleByHelpCommand(int id) { return FindModule(&SuiteModule::helpCommand, id); }
