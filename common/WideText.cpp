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

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

bool FromUtf8(const std::string& bytes, std::wstring& text, bool strict) {
    text.clear();
    if (bytes.empty()) return true;
    const int size = static_cast<int>(bytes.size());
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int n = MultiByteToWideChar(CP_UTF8, flags, bytes.data(), size, nullptr, 0);
    if (n <= 0) return false;
    text.assign(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, flags, bytes.data(), size, &text[0], n);
    return true;
}
}
