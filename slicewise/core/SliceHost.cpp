#include "slicewise/core/SliceHost.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/SliceTexts.h"

const TCHAR kSlicewiseName[] = _T("Vantorel Slicewise");

tstring StatusLine(const SliceStep& step, const tstring& text) {
    if (step.text == slicetext::kEmpty)
        return tstring();
    // Texts with one placeholder take the part number; the percentage drops.
    return FormatText(text, {step.part, step.percent});
}
