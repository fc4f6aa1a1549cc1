#include "slicewise/SlicewiseApp.h"
#include "common/ProgramMain.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"

int CSlicewiseApp::Run() { return RunProgram<CSlicewiseDlg>(kSlicewiseName); }
