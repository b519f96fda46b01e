#pragma once
// The system's 8-bit texts (ANSI code page) where GDI+ or drawing wants UTF-16.

#include <string>

namespace skin {

// The UTF-16 form of a NUL-terminated ANSI text (CP_ACP), without the terminator
// in the string's length; a null text is empty.
std::wstring ansiToWide(const char* text);

}  // namespace skin
