// The splitter's row: the window with the longest status lines of a run
// (part numbers have five digits) and its progress line.
#include "tests/languages/ProgramTexts.h"
#include "framework/SafeFormat.h"
#include "slicewise/SlicewiseDlg.h"
#include "slicewise/core/SliceTexts.h"
#include "slicewise/resource.h"
#include "tests/support/TextFit.h"
#include <gtest/gtest.h>

namespace {
const int kProgressLine = 344;   // "%s MB/s, %s left"

void ExpectWindowsFit(const CTranslation& texts, const std::string& where) {
    CSlicewiseDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    for (int step : {slicetext::kDividing, slicetext::kDividePart, slicetext::kDivideProgress,
                     slicetext::kMerging, slicetext::kMergePart, slicetext::kMergeProgress})
        textfit::ExpectTextFits(main.Item(IDC_STATUS), FormatText(texts.GetText(step), {99999, 100}),
                                where + " status line");
    textfit::ExpectTextFits(main.Item(IDC_PROGRESS_TEXT),
                            FormatText(texts.GetText(kProgressLine), {_T("9,999.9"), _T("99:59:59")}),
                            where + " progress line");
}
}  // namespace

const ProgramTexts& ThisProgram() {
    static const ProgramTexts row{SLICEWISE_SOURCES, _T("Slicewisetrl.ini"), SlicewiseDialects(),
                                  {1031, 1034, 1043, 1036},
                                  {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
                                  false, ExpectWindowsFit};
    return row;
}
