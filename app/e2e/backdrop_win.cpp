// A full-screen window of one known colour, below the program's windows: the
// "chart" that the whole-program tests lay the frame over. Being a Wine window
// too, it keeps the keyboard reaching Wine while the pointer is off the
// program's own windows (without a window manager the X focus follows the
// pointer). Ends when it is sent WM_CLOSE or its process is killed.
#include <windows.h>

namespace {

constexpr COLORREF backdropColour = RGB(48, 160, 48);

LRESULT CALLBACK backdropProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(w, &r);
      HBRUSH brush = CreateSolidBrush(backdropColour);
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      DeleteObject(brush);
      return 1;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // clicks on it leave the program's windows active
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(w, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW c{};
  c.lpfnWndProc = backdropProc;
  c.hInstance = instance;
  c.hCursor = LoadCursor(nullptr, IDC_ARROW);
  c.lpszClassName = L"ChartframeTestBackdrop";
  RegisterClassW(&c);
  CreateWindowExW(WS_EX_NOACTIVATE, c.lpszClassName, L"backdrop", WS_POPUP | WS_VISIBLE, 0, 0,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
