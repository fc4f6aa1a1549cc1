#include "common/LanguageSelection.h"
#include "common/Translation.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"

namespace {
// The template's combo height leaves the dropped list no room of its own.
const int kDroppedRows = 12;

// "[1031]": a section marker line of the language file.
bool IsMarkerLine(const tstring& line) { return line.size() == 6 && line[0] == _T('['); }

// The text of an entry line: its characters from the seventh on.
tstring EntryText(const tstring& line) { return line.size() > 6 ? line.substr(6) : tstring(); }
}  // namespace

const TCHAR CLanguageSelection::kSystemDefault[] = _T("System default language");

CLanguageSelection::CLanguageSelection(const LanguageDialogIds& ids)
    : Dialog(ids.templateId), ids_(ids) {}

BOOL CLanguageSelection::OnInitDialog() {
    SetItemText(GroupId(), prompt);
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
    pairs = LanguagePairs(lines);
    ComboBox combo(Item(ComboId()));
    for (size_t i = 1; i < pairs.size(); i += 2)
        combo.Add(pairs[i]);
    combo.FitDroppedList(kDroppedRows);
}

// Each marker line is followed by one ignored line and the entry line that
// carries the language's own name.
tstrings CLanguageSelection::LanguagePairs(const tstrings& lines) {
    tstrings found;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsMarkerLine(lines[i]))
            continue;
        found.push_back(lines[i]);
        found.push_back(i + 2 < lines.size() ? EntryText(lines[i + 2]) : tstring());
        i += 2;
    }
    return found;
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
