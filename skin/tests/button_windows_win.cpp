#include "skin/tests/button_windows_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace skin::testing {

std::vector<Received> received;
Hook buttonHook;

void record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Received r{window, message, wParam, lParam, {}};
  if (message == WM_WINDOWPOSCHANGING) r.position = *reinterpret_cast<const WINDOWPOS*>(lParam);
  received.push_back(r);
}

std::size_t countReceived(HWND window, UINT message) {
  return std::count_if(received.begin(), received.end(),
                       [&](const Received& r) { return r.window == window && r.message == message; });
}

namespace {

constexpr char parentClass[] = "ChartframeButtonTestParent";
constexpr char childClass[] = "ChartframeButtonTestChild";
constexpr char recorderProp[] = "ChartframeTestClassProc";

void paintPattern(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const int w = client.right, h = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(std::size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) pixels[std::size_t(y) * w + x] = patternAt(x, y);
  }
  SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  record(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      paintPattern(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_COMMAND:
    case WM_NOTIFY:
      return parentAnswer;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return parentBrushAnswer;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  record(window, message, wParam, lParam);
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK recordingButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  record(window, message, wParam, lParam);
  LRESULT answer = 0;
  if (buttonHook && buttonHook(window, message, wParam, lParam, answer)) return answer;
  const auto classProc = reinterpret_cast<WNDPROC>(GetPropA(window, recorderProp));
  return CallWindowProcA(classProc, window, message, wParam, lParam);
}

void registerClasses() {
  static bool done = false;
  if (done) return;
  WNDCLASSA parent{};
  parent.lpfnWndProc = parentProc;
  parent.hInstance = GetModuleHandleA(nullptr);
  parent.hCursor = LoadCursor(nullptr, IDC_ARROW);
  parent.lpszClassName = parentClass;
  RegisterClassA(&parent);
  WNDCLASSA child = parent;
  child.lpfnWndProc = childProc;
  child.lpszClassName = childClass;
  RegisterClassA(&child);
  done = true;
}

}  // namespace

WNDPROC parentClassProc() {
  return parentProc;
}

HWND makeParent() {
  registerClasses();
  const HWND parent = CreateWindowExA(0, parentClass, "", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 200, 150, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(parent, nullptr);
  return parent;
}

HWND shownParent() {
  static const HWND parent = [] {
    const HWND made = makeParent();
    ShowWindow(made, SW_SHOWNOACTIVATE);
    return made;
  }();
  return parent;
}

HWND makeButton(HWND parent, int x, int y, int width, int height, bool record) {
  const HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, x, y,
                                      width, height, parent, nullptr, nullptr, nullptr);
  EXPECT_NE(button, nullptr);
  if (record) {
    const LONG_PTR classProc = SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingButtonProc));
    SetPropA(button, recorderProp, reinterpret_cast<HANDLE>(classProc));
  }
  return button;
}

HWND makeRecordingChild(HWND parent, int x, int y, int width, int height) {
  registerClasses();
  const HWND child = CreateWindowExA(0, childClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(child, nullptr);
  return child;
}

void paintNow(HWND parent) {
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace {

Pixels readDc(HDC source, int w, int h) {
  Pixels out;
  out.width = w;
  out.height = h;
  out.data.resize(std::size_t(w) * h);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HDC mem = CreateCompatibleDC(source);
  const HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, source, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < out.data.size(); ++i) out.data[i] = p[i] & 0x00FFFFFF;
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(dib);
  return out;
}

}  // namespace

Pixels windowPixels(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  const HDC dc = GetWindowDC(window);
  Pixels out = readDc(dc, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(window, dc);
  return out;
}

Pixels bitmapPixels(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return {};
  const HDC screen = GetDC(nullptr);
  const HDC mem = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(mem, bitmap);
  Pixels out = readDc(mem, info.bmWidth, info.bmHeight);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return out;
}

int channelDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  }
  return worst;
}

}  // namespace skin::testing
