#include "skin/tests/layered_fixture_win.h"

#include "skin/gdiplus/tests/face_win.h"
#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"

namespace skin::testing {
namespace {

constexpr char className[] = "SkinTestWindow";
std::vector<std::string>* eventLog = nullptr;

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && eventLog) eventLog->push_back("click");
  return DefWindowProcA(window, message, wParam, lParam);
}

void registerClass() {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = testWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    return RegisterClassA(&wc) != 0;
  }();
  ASSERT_TRUE(registered);
}

}  // namespace

void setImage(HWND child, const char* key, GpImage* image) {
  writeProp(child, key, reinterpret_cast<std::intptr_t>(image));
}

HFONT makeTestFont(int height) {
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, testFace());
}

bool Shot::all(int x, int y, int w, int h, std::uint32_t value) const {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      if (at(i, j) != value) return false;
    }
  }
  return true;
}

int Shot::count(std::uint32_t value) const {
  int n = 0;
  for (std::uint32_t p : pixels) n += p == value;
  return n;
}

void LayeredTest::SetUp() {
  registerClass();
  eventLog = &events;
  skinFocus = {};
  setPresentObserver([this](const Presentation& p) {
    Shot shot{p.window, p.image, p.width, p.height, p.caretDrawn, {}};
    if (p.bits) {
      shot.pixels.resize(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
      for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) shot.pixels[static_cast<size_t>(y) * p.width + x] = p.pixel(x, y);
      }
    }
    shots.push_back(std::move(shot));
    events.push_back(p.caretDrawn ? "present+caret" : "present");
  });
}

void LayeredTest::TearDown() {
  setPresentObserver(nullptr);
  eventLog = nullptr;
  for (HWND w : windows_) {
    if (IsWindow(w)) DestroyWindow(w);
  }
  pump();
  if (skinFocus.keptCanvas) GdipDisposeImage(skinFocus.keptCanvas);
  skinFocus = {};
  for (GpImage* image : images_) GdipDisposeImage(image);
}

HWND LayeredTest::makeWindow(int x, int y, int w, int h, DWORD style) {
  HWND window = CreateWindowExA(0, className, "skin test", style, x, y, w, h, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr);
  windows_.push_back(window);
  return window;
}

HWND LayeredTest::makeChild(HWND parent, const char* childClass, int x, int y, int w, int h, std::int32_t type,
                            const char* text, DWORD style) {
  HWND child = CreateWindowExA(0, childClass, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(child, nullptr);
  if (type) writeProp(child, keys::type, type);
  return child;
}

GpImage* LayeredTest::solidImage(int w, int h, std::uint32_t argb) {
  return keepImage(makeSolidBitmap(w, h, argb));
}

GpImage* LayeredTest::keepImage(GpImage* image) {
  images_.push_back(image);
  return image;
}

void LayeredTest::pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace skin::testing
