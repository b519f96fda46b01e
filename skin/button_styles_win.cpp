#include "skin/button_styles_win.h"

namespace skin {

namespace {

bool changeLong(HWND window, int index, LONG_PTR remove, LONG_PTR add, UINT extra) {
  const LONG_PTR old = GetWindowLongPtrA(window, index);
  const LONG_PTR changed = (old & ~remove) | add;
  if (changed == old) return false;
  SetWindowLongPtrA(window, index, changed);
  if (extra != 0) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | extra);
  }
  return true;
}

}  // namespace

bool changeStyle(HWND window, LONG_PTR remove, LONG_PTR add, UINT extra) {
  return changeLong(window, GWL_STYLE, remove, add, extra);
}

bool changeExStyle(HWND window, LONG_PTR remove, LONG_PTR add, UINT extra) {
  return changeLong(window, GWL_EXSTYLE, remove, add, extra);
}

void invalidateWithParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  // A window without a parent has no area to invalidate behind it; passing a
  // null parent to InvalidateRect would invalidate every window on the desktop.
  if (const HWND parent = GetParent(window)) {
    POINT corner{rect.left, rect.top};
    ScreenToClient(parent, &corner);
    const RECT area{corner.x, corner.y, corner.x + (rect.right - rect.left), corner.y + (rect.bottom - rect.top)};
    InvalidateRect(parent, &area, FALSE);
  }
  InvalidateRect(window, nullptr, FALSE);
}

}  // namespace skin
