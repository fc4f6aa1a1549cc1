#include "slicewise/core/ProgressLine.h"
#include "framework/SafeFormat.h"
#include <cstdio>

namespace {
const double kMegabyte = 1048576.0;

// One decimal in the user's number format ("312.5", "312,5").
tstring Decimal(double value) {
    TCHAR plain[32];
    _sntprintf(plain, 32, _T("%.1f"), value);
    plain[31] = 0;
    TCHAR local[64];
    NUMBERFMT format = {};
    TCHAR decimal[8] = _T("."), thousand[8] = _T(",");
    GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, 8);
    format.NumDigits = 1;
    format.LeadingZero = 1;
    format.Grouping = 3;
    format.lpDecimalSep = decimal;
    format.lpThousandSep = thousand;
    return GetNumberFormat(LOCALE_USER_DEFAULT, 0, plain, &format, local, 64) ? local : plain;
}

tstring Duration(ULONGLONG seconds) {
    const ULONGLONG hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
    TCHAR text[32];
    if (hours)
        _sntprintf(text, 32, _T("%llu:%02llu:%02llu"), hours, minutes, rest);
    else
        _sntprintf(text, 32, _T("%llu:%02llu"), minutes, rest);
    text[31] = 0;
    return text;
}
}  // namespace

tstring ProgressLine(const tstring& format, ULONGLONG done, ULONGLONG total, double seconds) {
    if (done == 0 || seconds <= 0)
        return tstring();
    const double speed = static_cast<double>(done) / seconds;
    const double left = total > done ? static_cast<double>(total - done) / speed : 0;
    return FormatText(format, {Decimal(speed / kMegabyte),
                               Duration(static_cast<ULONGLONG>(left + 0.5))});
}
