#include "framework/ColourScheme.h"
#include <algorithm>
#include <cmath>
#include <tchar.h>

namespace {

// The system keeps the setting in the user's accessibility key as well;
// a system that answers the call always with "off" (Wine does) still
// follows what is stored there.
class SystemSetting : public HighContrastSeam {
public:
    bool On() const override {
        HIGHCONTRAST setting = {};
        setting.cbSize = sizeof setting;
        if (SystemParametersInfo(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
            (setting.dwFlags & HCF_HIGHCONTRASTON))
            return true;
        TCHAR flags[16] = {};
        DWORD size = sizeof flags - sizeof(TCHAR);
        return RegGetValue(HKEY_CURRENT_USER, TEXT("Control Panel\\Accessibility\\HighContrast"),
                           TEXT("Flags"), RRF_RT_REG_SZ, nullptr, flags, &size) == ERROR_SUCCESS &&
               (_tcstoul(flags, nullptr, 10) & HCF_HIGHCONTRASTON);
    }
};

SystemSetting systemSetting;
HighContrastSeam* current = &systemSetting;

double Linear(BYTE channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF colour) {
    return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) +
           0.0722 * Linear(GetBValue(colour));
}

}  // namespace

HighContrastSeam& SystemHighContrast() { return *current; }

void SetSystemHighContrast(HighContrastSeam* seam) { current = seam ? seam : &systemSetting; }

double ContrastRatio(COLORREF one, COLORREF other) {
    const double a = Luminance(one), b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

COLORREF ReadableText(COLORREF designed, COLORREF face, COLORREF schemeText) {
    const bool reads = ContrastRatio(designed, face) >= 4.5;
    return reads && !SystemHighContrast().On() ? designed : schemeText;
}
