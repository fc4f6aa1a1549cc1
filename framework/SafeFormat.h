#pragma once
// Language texts are data read from a file: they are never handed to a
// printf-style function as a format. FormatText substitutes the caller's
// arguments itself: each "%d" or "%s" takes the next argument in order,
// written as decimal for a number and as it stands for a text, whatever
// letter the placeholder has; "%%" gives "%"; a placeholder with no argument
// left, and every other "%" sequence, stays as it stands; extra arguments are
// dropped.
#include "framework/TString.h"
#include <initializer_list>

class FormatArg {
public:
    FormatArg(int value) : isNumber_(true), number_(value) {}
    FormatArg(unsigned value) : isNumber_(true), number_(value) {}
    FormatArg(long long value) : isNumber_(true), number_(value) {}
    FormatArg(unsigned long long value)
        : isNumber_(true), isUnsigned_(true), number_(static_cast<long long>(value)) {}
    FormatArg(const TCHAR* text) : text_(text ? text : _T("")) {}
    FormatArg(const tstring& text) : text_(text) {}

    tstring ToText() const;

private:
    bool isNumber_ = false;
    bool isUnsigned_ = false;   // number_ holds the bits of an unsigned value
    long long number_ = 0;
    tstring text_;
};

tstring FormatText(const tstring& text, std::initializer_list<FormatArg> args);
