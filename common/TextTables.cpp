#include "common/TextTables.h"
#include "framework/Controls.h"

tstrings CurrentControlTexts(HWND dialog, const std::vector<ControlText>& controls) {
    tstrings current;
    for (const ControlText& control : controls)
        current.push_back(Control(GetDlgItem(dialog, control.id)).Text());
    return current;
}

void ApplyControlTexts(HWND dialog, const CTranslation& texts,
                       const std::vector<ControlText>& controls, const tstrings& templateTexts) {
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlText& control = controls[i];
        if (texts.Has(control.text))
            SetDlgItemText(dialog, control.id, texts.GetText(control.text).c_str());
        else if (i < templateTexts.size())
            SetDlgItemText(dialog, control.id, templateTexts[i].c_str());
    }
}
