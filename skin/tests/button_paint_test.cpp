// Skinned buttons of ordinary windows painting themselves: the cached
// background, the state images over it, and the state machine driven through
// the window's messages. Pixels are read back from the button's window.
#include <gtest/gtest.h>

#include "skin/button_paint_win.h"
#include "skin/button_procs_win.h"
#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/tests/button_windows_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

constexpr std::uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF, magenta = 0xFF00FF;
constexpr int left = 20, top = 30;  // the button's place in the parent

std::int32_t stateOf(HWND button) {
  return readInt(button, keys::drawState);
}

// A bound button in the shown parent, with its own images; the images, the
// record and the window go at the end of the test.
struct Painted : ::testing::Test {
  HWND parent = shownParent();
  SkinButton* skin = newSkinButton();
  HWND button = nullptr;
  std::vector<GpImage*> images;

  GpImage* solid(int width, int height, std::uint32_t rgb, std::uint32_t alpha = 0xFF) {
    images.push_back(makeSolidBitmap(width, height, (alpha << 24) | rgb));
    return images.back();
  }

  void bind(int width, int height) {
    button = makeButton(parent, left, top, width, height);
    skin->methods->bind(skin, button, nullptr, false);
  }

  // The button's pixel at (x, y) must be this colour...
  void expectImage(int x, int y, std::uint32_t rgb) {
    const Pixels pixels = windowPixels(button);
    EXPECT_LE(channelDistance(pixels.at(x, y), rgb), 2)
        << "at " << x << "," << y << std::hex << " got " << pixels.at(x, y) << " wanted " << rgb;
  }
  // ...or the parent's pattern behind it.
  void expectBackground(int x, int y) { expectImage(x, y, patternAt(left + x, top + y)); }

  ~Painted() override {
    buttonHook = nullptr;
    if (button) DestroyWindow(button);
    freeSkinButton(skin);
    for (GpImage* image : images) GdipDisposeImage(image);
  }
};

using ButtonPaint = Painted;

TEST_F(ButtonPaint, EraseAndFramePaintingDoNothingAndStayWithTheSkin) {
  bind(40, 20);
  const HDC screen = GetDC(nullptr);
  const HDC mem = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
  const HGDIOBJ old = SelectObject(mem, bitmap);
  ReleaseDC(nullptr, screen);
  const RECT all{0, 0, 40, 20};
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  FillRect(mem, &all, brush);
  DeleteObject(brush);

  received.clear();
  EXPECT_EQ(SendMessageA(button, WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0), 1);
  EXPECT_EQ(SendMessageA(button, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(countReceived(button, WM_ERASEBKGND), 0u);
  EXPECT_EQ(countReceived(button, WM_NCPAINT), 0u);
  EXPECT_EQ(GetPixel(mem, 10, 10), RGB(1, 2, 3));

  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
}

TEST_F(ButtonPaint, TheFirstPaintCachesTheParentsPixels) {
  bind(40, 20);
  EXPECT_EQ(readProp(button, keys::cacheBitmap), 0);
  received.clear();
  paintNow(parent);
  EXPECT_EQ(countReceived(button, WM_PAINT), 0u);  // the skin paints; the earlier procedure never does

  const auto cache = reinterpret_cast<HBITMAP>(readProp(button, keys::cacheBitmap));
  ASSERT_NE(cache, nullptr);
  const Pixels cached = bitmapPixels(cache);
  ASSERT_EQ(cached.width, 40);
  ASSERT_EQ(cached.height, 20);
  int wrong = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) wrong += cached.at(x, y) != patternAt(left + x, top + y);
  }
  EXPECT_EQ(wrong, 0);
  // Without images the button shows just that background.
  expectBackground(3, 3);
  expectBackground(36, 16);

  // The next paint takes a new copy and deletes the old one.
  paintNow(parent);
  const auto next = reinterpret_cast<HBITMAP>(readProp(button, keys::cacheBitmap));
  EXPECT_NE(next, nullptr);
  EXPECT_NE(next, cache);
  EXPECT_EQ(GetObjectType(cache), 0u);
}

TEST_F(ButtonPaint, EachStateDrawsItsImageOverTheBackground) {
  bind(40, 20);
  // The earlier procedure stays out of the mouse messages here.
  buttonHook = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& answer) {
    answer = 0;
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
  };
  skin->methods->setStateImages(skin, solid(20, 10, red), true, solid(20, 10, green, 0x80), true, solid(20, 10, blue),
                                true, solid(20, 10, white), true);
  paintNow(parent);
  expectImage(5, 5, red);
  expectBackground(30, 15);
  expectBackground(5, 15);

  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(stateOf(button), 1);
  // Half-transparent green over the pattern.
  const std::uint32_t under = patternAt(left + 5, top + 5);
  auto mix = [](std::uint32_t a, std::uint32_t b, int shift) {
    return ((((a >> shift) & 0xFF) * 127 + ((b >> shift) & 0xFF) * 128) / 255) << shift;
  };
  expectImage(5, 5, mix(under, green, 16) | mix(under, green, 8) | mix(under, green, 0));
  expectBackground(30, 15);

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(stateOf(button), 2);
  expectImage(5, 5, blue);

  EnableWindow(button, FALSE);
  EXPECT_EQ(stateOf(button), 3);
  expectImage(5, 5, white);
  expectBackground(30, 15);

  EnableWindow(button, TRUE);
  EXPECT_EQ(stateOf(button), 0);
  expectImage(5, 5, red);

  // A state without its own image shows the normal one.
  skin->methods->setStateImages(skin, nullptr, false, nullptr, false, nullptr, false, nullptr, true);
  EnableWindow(button, FALSE);
  EXPECT_EQ(stateOf(button), 3);
  expectImage(5, 5, red);
}

TEST_F(ButtonPaint, BackTypesPlaceTheImage) {
  struct Probe {
    int x, y;
    bool image;
  };
  struct Row {
    std::int32_t backType;
    int imageWidth, imageHeight, width, height;
    std::vector<Probe> probes;
  };
  const Row rows[] = {
      // Natural: own size at the top-left; a larger image covers the button.
      {0, 60, 30, 40, 20, {{1, 1, true}, {38, 18, true}}},
      {0, 20, 10, 40, 20, {{1, 1, true}, {18, 8, true}, {22, 5, false}, {5, 12, false}, {30, 15, false}}},
      // Stretch: always the whole button.
      {1, 10, 10, 40, 20, {{4, 4, true}, {35, 15, true}, {20, 10, true}}},
      // Fit: 100 x 50 in 40 x 40 at 40 x 20 from (0, 10); 20 x 10 not enlarged, at (10, 15).
      {2, 100, 50, 40, 40, {{20, 20, true}, {2, 12, true}, {37, 27, true}, {20, 7, false}, {20, 32, false}}},
      {2,
       20,
       10,
       40,
       40,
       {{20, 20, true},
        {12, 17, true},
        {27, 22, true},
        {7, 20, false},
        {32, 20, false},
        {20, 12, false},
        {20, 27, false}}},
      // Any other code is Natural.
      {5, 20, 10, 40, 20, {{1, 1, true}, {30, 15, false}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "backType " << row.backType << " image " << row.imageWidth << "x"
                                      << row.imageHeight << " button " << row.width << "x" << row.height);
    bind(row.width, row.height);
    skin->methods->setStateImages(skin, solid(row.imageWidth, row.imageHeight, magenta), true, nullptr, false, nullptr,
                                  false, nullptr, false);
    skin->methods->setBackType(skin, row.backType);
    paintNow(parent);
    for (const Probe& p : row.probes) {
      if (p.image) {
        expectImage(p.x, p.y, magenta);
      } else {
        expectBackground(p.x, p.y);
      }
    }
    DestroyWindow(button);
    button = nullptr;
  }
}

// The press and release rules, with the earlier procedure answering in the
// ways a push button's own procedure may.
TEST_F(ButtonPaint, PressAndReleaseWithoutSetStateEndOver) {
  bind(40, 20);
  buttonHook = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& answer) {
    answer = 40 + message % 8;  // any answer of the earlier procedure is the message's answer
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
  };
  skin->methods->setStateImages(skin, solid(40, 20, red), true, solid(40, 20, green), true, solid(40, 20, blue), true,
                                nullptr, false);
  paintNow(parent);
  received.clear();
  EXPECT_EQ(SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)), 40 + WM_MOUSEMOVE % 8);
  EXPECT_EQ(stateOf(button), 1);
  EXPECT_EQ(SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)), 40 + WM_LBUTTONDOWN % 8);
  EXPECT_EQ(stateOf(button), 2);
  expectImage(20, 10, blue);
  EXPECT_EQ(SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)), 40 + WM_LBUTTONUP % 8);
  EXPECT_EQ(stateOf(button), 1);
  expectImage(20, 10, green);
  for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) EXPECT_EQ(countReceived(button, message), 1u);

  // Leaving while held goes back to rest.
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(stateOf(button), 0);
  expectImage(20, 10, red);
  EXPECT_EQ(countReceived(button, WM_MOUSELEAVE), 1u);
}

TEST_F(ButtonPaint, AReleaseByTheEarlierProcedureComesFirstThenTheReleaseRule) {
  bind(40, 20);
  std::int32_t stateWhenReleased = -1;
  buttonHook = [&](HWND window, UINT message, WPARAM, LPARAM, LRESULT& answer) {
    answer = 0;
    if (message == WM_LBUTTONUP) {
      SendMessageA(window, BM_SETSTATE, FALSE, 0);
      stateWhenReleased = stateOf(window);
    }
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
  };
  skin->methods->setStateImages(skin, solid(40, 20, red), true, solid(40, 20, green), true, solid(40, 20, blue), true,
                                nullptr, false);
  paintNow(parent);
  received.clear();
  SendMessageA(button, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(readInt(button, keys::isFoucs), 1);
  EXPECT_EQ(countReceived(button, WM_SETFOCUS), 0u);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(stateOf(button), 2);
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(stateWhenReleased, 1);  // focused: BM_SETSTATE(0) gave Over
  EXPECT_EQ(stateOf(button), 0);    // and the release rule, finding no Down, Normal
  EXPECT_EQ(countReceived(button, BM_SETSTATE), 1u);
  expectImage(20, 10, red);
}

TEST_F(ButtonPaint, AClickThroughThePushButtonsOwnProcedure) {
  bind(40, 20);
  skin->methods->setStateImages(skin, solid(40, 20, red), true, solid(40, 20, green), true, solid(40, 20, blue), true,
                                nullptr, false);
  paintNow(parent);
  received.clear();
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(stateOf(button), 2);
  expectImage(20, 10, blue);
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  // The button's own procedure releases it with BM_SETSTATE before the release
  // rule runs, so the rule finds no Down.
  EXPECT_EQ(stateOf(button), 0);
  expectImage(20, 10, red);
  EXPECT_GE(countReceived(button, BM_SETSTATE), 2u);
  bool clicked = false;
  for (const Received& r : received) {
    clicked |= r.window == parent && r.message == WM_COMMAND && HIWORD(r.wParam) == BN_CLICKED &&
               reinterpret_cast<HWND>(r.lParam) == button;
  }
  EXPECT_TRUE(clicked);
  SetFocus(nullptr);
}

TEST_F(ButtonPaint, SetStateAndFocusMessages) {
  bind(40, 20);
  skin->methods->setStateImages(skin, solid(40, 20, red), true, solid(40, 20, green), true, solid(40, 20, blue), true,
                                nullptr, false);
  paintNow(parent);

  // Focus on a button at rest is only recorded.
  SendMessageA(button, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(readInt(button, keys::isFoucs), 1);
  EXPECT_EQ(stateOf(button), 0);

  struct Step {
    UINT message;
    WPARAM wParam;
    std::int32_t state;
    std::uint32_t colour;
  };
  const Step steps[] = {
      {BM_SETSTATE, 1, 2, blue}, {BM_SETSTATE, 2, 1, green},  // focused: not pressed is Over
      {BM_SETSTATE, 1, 2, blue}, {WM_SETFOCUS, 0, 1, green},  // focus on Down: Over
      {WM_KILLFOCUS, 0, 0, red},                              // losing it while Over: Normal
      {BM_SETSTATE, 1, 2, blue}, {BM_SETSTATE, 0, 0, red},    // unfocused: Normal
      {BM_SETSTATE, 1, 2, blue}, {WM_KILLFOCUS, 0, 2, blue},  // Down stays Down
      {BM_SETSTATE, 2, 0, red},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "message " << std::hex << step.message << " wParam " << step.wParam);
    SendMessageA(button, step.message, step.wParam, 0);
    EXPECT_EQ(stateOf(button), step.state);
    expectImage(20, 10, step.colour);
  }
  EXPECT_EQ(readInt(button, keys::isFoucs), 0);
}

TEST_F(ButtonPaint, ABoundButtonNotYetPaintedDrawsNothing) {
  bind(40, 20);
  skin->methods->setStateImages(skin, solid(40, 20, red), true, nullptr, false, nullptr, false, nullptr, false);
  // Paint the parent only: the button has no background copy yet.
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  ValidateRect(button, nullptr);
  drawButton(button, nullptr);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(readProp(button, keys::cacheBitmap), 0);
  expectBackground(20, 10);
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SetFocus(nullptr);
}

}  // namespace
