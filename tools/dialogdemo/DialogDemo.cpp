// Shows the shared dialogs from their templates, as a program uses them: the
// language dialog (with the prompt from the language file and the stored
// language preselected), then the About box. The first word of the command
// line picks the program variant of the language dialog: verbsmith (the
// default), slicewise or toolcrate.
#include "DialogDemoIds.h"
#include "common/AboutDlg.h"
#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "framework/ProgramName.h"
#include <commctrl.h>

namespace {
struct Variant {
    const TCHAR* name;
    CLanguageSelection::Program program;
    UINT templateId;
};

const Variant kVariants[] = {
    {_T("verbsmith"), CLanguageSelection::kVerbsmith, IDD_LANGUAGE_VERBSMITH},
    {_T("slicewise"), CLanguageSelection::kSlicewise, IDD_LANGUAGE_SLICEWISE},
    {_T("toolcrate"), CLanguageSelection::kToolcrate, IDD_LANGUAGE_TOOLCRATE},
};

const Variant& ChosenVariant(const TCHAR* commandLine) {
    for (const Variant& variant : kVariants)
        if (_tcsstr(commandLine, variant.name))
            return variant;
    return kVariants[0];
}
}  // namespace

int WINAPI _tWinMain(HINSTANCE, HINSTANCE, LPTSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetProgramName(_T("Dialog Demo"));

    PowerClass power;
    CTranslation translation(CTranslation::EditorDialects());
    translation.Load();

    const Variant& variant = ChosenVariant(commandLine);
    const tstring stored = power.ReadSetting(_T("Language"));
    CLanguageSelection language(variant.program, variant.templateId);
    language.prompt = translation.GetText(1);
    language.currentMarker = stored;
    language.DoModal();
    if (language.currentMarker != stored)
        power.WriteSetting(_T("Language"), language.currentMarker);

    CAboutDlg about;
    about.DoModal();
    return 0;
}
