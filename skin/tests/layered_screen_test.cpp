// What the screen shows of a layered window: with a compositing manager running
// (the test session starts one), the window's per-pixel alpha blends with what
// lies under it. Under Wine the desktop DC reads the composited screen (without
// the compositing manager it reads the premultiplied pixels opaque); ImageMagick's
// import started from the test process gave a uniform picture here, so the
// desktop DC is the reading used.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_window_win.h"
#include "skin/tests/layered_fixture_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

constexpr COLORREF background = RGB(48, 160, 48);

HWND makeBackground(int x, int y, int w, int h) {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SkinTestBackground";
    wc.hbrBackground = CreateSolidBrush(background);
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateWindowExA(0, "SkinTestBackground", "", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

bool similar(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 2 && std::abs(GetGValue(a) - GetGValue(b)) <= 2 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 2;
}

// The screen pixel once it shows the expected colour in two reads in a row, or
// the last one read after 5 s.
COLORREF screenPixelSettled(int x, int y, COLORREF expected) {
  HDC screen = GetDC(nullptr);
  COLORREF seen = CLR_INVALID;
  int matches = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 5000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    seen = GetPixel(screen, x, y);
    matches = similar(seen, expected) ? matches + 1 : 0;
    if (matches == 2) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  ReleaseDC(nullptr, screen);
  return seen;
}

using LayeredScreen = LayeredTest;

}  // namespace

TEST_F(LayeredScreen, TheWindowBlendsWithWhatLiesUnderIt) {
  HWND under = makeBackground(300, 300, 300, 200);
  ASSERT_NE(under, nullptr);
  // Left half red at alpha 128, right half empty; a skinned opaque blue button.
  HWND window = makeWindow(350, 350, 200, 100, WS_POPUP | WS_VISIBLE);
  HWND button = makeChild(window, "BUTTON", 20, 20, 39, 20, 3);
  setImage(button, keys::normalImage, solidImage(39, 20, 0xFF0000FF));
  SkinWindow skin = {&skinWindowMethods, nullptr};
  ASSERT_TRUE(skin.methods->attach(&skin, window));
  GpImage* back = keepImage(makeBitmap(200, 100, [](int x, int) { return x < 100 ? 0x80FF0000u : 0u; }));
  ASSERT_TRUE(skin.methods->setBackImage(&skin, back));
  skin.methods->refresh(&skin);

  const struct {
    int x, y;
    COLORREF expected;
  } cases[] = {
      {350 + 70, 350 + 70, RGB(152, 80, 24)},  // red at alpha 128 over green
      {350 + 150, 350 + 50, background},       // transparent: the window under shows
      {350 + 30, 350 + 30, RGB(0, 0, 255)},    // the opaque button
      {320, 320, background},                  // outside the layered window
  };
  for (const auto& c : cases) {
    const COLORREF seen = screenPixelSettled(c.x, c.y, c.expected);
    EXPECT_TRUE(similar(seen, c.expected))
        << c.x << "," << c.y << ": " << std::hex << seen << " expected " << c.expected;
  }
  DestroyWindow(under);
}
