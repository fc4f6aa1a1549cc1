#include "common/LanguageSelection.h"
#include "common/LanguageFile.h"
#include "common/Translation.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"

namespace {
// The template's combo height leaves the dropped list no room of its own.
const int kDroppedRows = 12;
}  // namespace

const TCHAR CLanguageSelection::kSystemDefault[] = _T("System default language");

CLanguageSelection::CLanguageSelection(const LanguageDialogIds& ids)
    : Dialog(ids.templateId), ids_(ids) {}

BOOL CLanguageSelection::OnInitDialog() {
    SetItemText(GroupId(), prompt);
    SetItemText(IDC_LANGUAGE_LABEL, prompt);   // names the list for screen readers
    ReadLanguages();
    shownText = kSystemDefault;
    for (size_t i = 0; i + 1 < pairs.size(); i += 2) {
        if (pairs[i] == currentMarker) {
            shownText = pairs[i + 1];
            break;
        }
    }
    return Dialog::OnInitDialog();   // shows shownText in the combo box
}

void CLanguageSelection::ReadLanguages() {
    tstrings lines;
    textfile::ReadLines(LanguageFilePath(power_), lines);
    pairs = languagefile::LanguagePairs(lines);
    ComboBox combo(Item(ComboId()));
    for (size_t i = 1; i < pairs.size(); i += 2)
        combo.Add(pairs[i]);
    combo.FitDroppedList(kDroppedRows);
}

// The dialog manager gave the combo its template height again.
void CLanguageSelection::OnDpiChanged(int) { ComboBox(Item(ComboId())).FitDroppedList(kDroppedRows); }

void CLanguageSelection::DoDataExchange(DataExchange& exchange) {
    exchange.ComboText(ComboId(), shownText);
}

void CLanguageSelection::OnOK() {
    UpdateData(true);
    // Every equal name counts, so the last section with that name wins; a
    // text that names no language leaves the marker as it was.
    for (size_t i = 0; i + 1 < pairs.size(); i += 2)
        if (pairs[i + 1] == shownText)
            currentMarker = pairs[i];
    EndDialog(IDOK);
}
