#include "ui_thread_win.h"

namespace runtime::detail {

namespace {

constexpr UINT runWorkMessage = WM_APP + 1;
DWORD uiThread = 0;
HWND hidden = nullptr;

LRESULT CALLBACK hiddenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == runWorkMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

void startUiThread() {
  if (hidden) return;
  uiThread = GetCurrentThreadId();
  WNDCLASSW wc{};
  wc.lpfnWndProc = hiddenProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"RuntimeHiddenWindow";
  RegisterClassW(&wc);
  // A real (not message-only) window: it also owns windows without a taskbar button.
  hidden = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

HWND hiddenWindow() {
  return hidden;
}

bool onUiThread() {
  return !hidden || GetCurrentThreadId() == uiThread;
}

void runOnUiThread(const std::function<void()>& work) {
  if (onUiThread()) {
    work();
    return;
  }
  SendMessageW(hidden, runWorkMessage, 0, reinterpret_cast<LPARAM>(&work));
}

}  // namespace runtime::detail
