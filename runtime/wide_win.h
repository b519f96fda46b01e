#pragma once
// UTF-8 <-> UTF-16 at the border to the wide-character Win32 API.

#include <string>

#include "text.h"

namespace runtime {

std::wstring toWide(const Text& utf8);
Text fromWide(const wchar_t* utf16, int length = -1);
inline Text fromWide(const std::wstring& utf16) { return fromWide(utf16.c_str(), static_cast<int>(utf16.size())); }

}  // namespace runtime
