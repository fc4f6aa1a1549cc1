#include "common/HelpFile.h"
#include "common/PowerClass.h"
#include "framework/UiSeam.h"

void OpenHelpFile(HWND owner) {
    ShellStart start;
    start.owner = owner;
    start.verb = _T("open");
    start.file = PowerClass().GetProgramFolder() + _T("\\help.chm");
    Ui().Shell(start);
}
