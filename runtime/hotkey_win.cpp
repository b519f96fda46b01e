// The system hotkey service: RegisterHotKey on one owner window, whose presses
// become message 0x8075 to one notification target.
#include <windows.h>

#include "rules.h"
#include "ui_thread_win.h"
#include "window_win.h"

namespace {

constexpr std::int32_t firstId = 33001;
constexpr UINT feedbackMessage = 0x8075;

HWND target = nullptr;
HWND owner = nullptr;  // the window whose procedure the service sits in front of
WNDPROC previous = nullptr;
std::int32_t nextId = firstId;

LRESULT CALLBACK serviceProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_HOTKEY && static_cast<std::int32_t>(wParam) >= firstId && static_cast<std::int32_t>(wParam) < nextId)
    SendMessageW(target, feedbackMessage, wParam, 0);
  // The owner's own procedure sees every message, WM_HOTKEY included.
  return previous ? CallWindowProcW(previous, hwnd, msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

std::int32_t registerSystemHotkey(HWND ownerWindow, HWND targetWindow, std::int32_t modifierCode,
                                  std::int32_t virtualKey) {
  // RegisterHotKey binds to the calling thread, which must be the owner's.
  return runtime::detail::onUi([&] {
    target = targetWindow;
    if (!owner && ownerWindow) {
      owner = ownerWindow;
      previous = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(ownerWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(serviceProc)));
    }
    const std::int32_t id = nextId++;  // used up whether or not the registration succeeds
    const BOOL ok = RegisterHotKey(ownerWindow, id, static_cast<UINT>(runtime::hotkeyModifiers(modifierCode)),
                                   static_cast<UINT>(virtualKey));
    return ok ? id : 0;
  });
}
