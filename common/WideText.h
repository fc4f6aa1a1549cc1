#pragma once
// Conversions at the edges where an interface has one width only (the COM
// shell link, the wide registry writes, the narrow fixed write, 8-bit files).
#include "framework/TString.h"

namespace widetext {
// Program text to UTF-16: unchanged in the wide programs, the system code
// page decoded in the narrow one.
std::wstring ToWide(const tstring& text);
// UTF-16 to program text (the reverse of ToWide).
tstring FromWide(const std::wstring& text);
// One byte per character: the character's own code up to 255, "?" above it
// (the narrow program's characters are bytes already).
std::string ToBytes(const tstring& text);
// One character per byte, of the same code.
tstring FromBytes(const std::string& bytes);
// UTF-16 to UTF-8 and back. strict refuses bytes that are not UTF-8
// (false); otherwise they become U+FFFD.
std::string ToUtf8(const std::wstring& text);
bool FromUtf8(const std::string& bytes, std::wstring& text, bool strict);
}
