#include "framework/SafeFormat.h"

tstring FormatArg::ToText() const {
    if (!isNumber_)
        return text_;
    // Digits by hand: no format string is involved at all.
    const bool negative = !isUnsigned_ && number_ < 0;
    unsigned long long magnitude = static_cast<unsigned long long>(number_);
    if (negative)
        magnitude = 0ULL - magnitude;
    tstring digits;
    do {
        digits.insert(digits.begin(), static_cast<TCHAR>(_T('0') + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits.insert(digits.begin(), _T('-'));
    return digits;
}

tstring FormatText(const tstring& text, std::initializer_list<FormatArg> args) {
    tstring result;
    result.reserve(text.size());
    auto next = args.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        const TCHAR c = text[i];
        const TCHAR following = i + 1 < text.size() ? text[i + 1] : _T('\0');
        if (c != _T('%') || following == _T('\0')) {
            result += c;
        } else if (following == _T('%')) {
            result += _T('%');
            ++i;
        } else if ((following == _T('d') || following == _T('s')) && next != args.end()) {
            result += next->ToText();
            ++next;
            ++i;
        } else {
            // Unknown sequence or no argument left: the "%" stays as written
            // and the next character is copied on the following round.
            result += c;
        }
    }
    return result;
}
