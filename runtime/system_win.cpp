#include <windows.h>

#include "system.h"
#include "wide_win.h"

namespace runtime {

std::int32_t mouseX() {
  POINT p{};
  GetCursorPos(&p);
  return p.x;
}

std::int32_t mouseY() {
  POINT p{};
  GetCursorPos(&p);
  return p.y;
}

Text runDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try again with more room
  }
  const auto cut = path.find_last_of(L'\\');
  if (cut != std::wstring::npos) path.resize(cut);
  return fromWide(path);
}

void enterRunDirectory() {
  std::wstring dir = toWide(runDirectory());
  // "C:" alone names the drive's own current directory; its root is "C:\".
  if (dir.size() == 2 && dir[1] == L':') dir += L'\\';
  SetCurrentDirectoryW(dir.c_str());
}

}  // namespace runtime
