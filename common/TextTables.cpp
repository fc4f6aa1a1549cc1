#include "common/TextTables.h"

void ApplyControlTexts(HWND dialog, const CTranslation& texts,
                       const std::vector<ControlText>& controls) {
    for (const ControlText& control : controls)
        SetDlgItemText(dialog, control.id, texts.GetText(control.text).c_str());
}
