#include "common/WideText.h"

namespace widetext {
namespace {
#ifndef UNICODE
std::wstring Decode(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

std::string Encode(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string narrow(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], n,
                        nullptr, nullptr);
    return narrow;
}
#endif
}

std::wstring ToWide(const tstring& text) {
#ifdef UNICODE
    return text;
#else
    return Decode(text);
#endif
}

tstring FromWide(const std::wstring& text) {
#ifdef UNICODE
    return text;
#else
    return Encode(text);
#endif
}

std::string ToBytes(const tstring& text) {
#ifdef UNICODE
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    return bytes;
#else
    return text;
#endif
}

tstring FromBytes(const std::string& bytes) {
#ifdef UNICODE
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
#else
    return bytes;
#endif
}
}
