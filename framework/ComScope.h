#pragma once
// COM for the length of a scope on the calling thread (single-threaded
// apartment, as the shell's dialogs and shell links need it). A thread that
// has COM already keeps it; the scope only balances its own call.
#include <objbase.h>

class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (initialised_)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};
