#include "skin/gdiplus/ansi_win.h"

#include <windows.h>

namespace skin {

std::wstring ansiToWide(const char* text) {
  if (!text) return {};
  // First the length (terminator included), then the conversion.
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

}  // namespace skin
