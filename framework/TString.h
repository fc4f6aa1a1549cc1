#pragma once
// Text of the program's own character width: wide in the UNICODE programs,
// the system code page in the narrow one.
#include <windows.h>
#include <tchar.h>
#include <string>
#include <vector>

using tstring = std::basic_string<TCHAR>;
using tstrings = std::vector<tstring>;
