#include <gtest/gtest.h>

#include "skin/child_paint_win.h"
#include "skin/codes.h"
#include "skin/compositor_win.h"
#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_window_win.h"
#include "skin/tests/layered_fixture_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

// Pixels that tell which source pixel landed where: never pure red, green, blue
// or white.
std::uint32_t coded(int x, int y) {
  return 0xFF000000u | (static_cast<std::uint32_t>(x * 5) << 16) | (static_cast<std::uint32_t>(y * 10) << 8) | 0x40u;
}

class Compose : public LayeredTest {
 protected:
  // Binds a SkinWindow to the window and composes it.
  void bindAndRefresh(HWND window) {
    skinWindow_.methods->attach(&skinWindow_, window);
    skinWindow_.methods->refresh(&skinWindow_);
  }
  SkinWindow skinWindow_ = {&skinWindowMethods, nullptr};
};

}  // namespace

TEST_F(Compose, TheBackImageIsStretchedToTheWindowOrDrawnOneToOne) {
  // Left part red, right part blue, split at column 165.
  GpImage* back = keepImage(makeBitmap(329, 195, [](int x, int) { return x < 165 ? red : blue; }));

  HWND exact = makeWindow(10, 10, 329, 195);
  skinWindow_.methods->attach(&skinWindow_, exact);
  ASSERT_TRUE(skinWindow_.methods->setBackImage(&skinWindow_, back));
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(last().width, 329);
  EXPECT_EQ(last().height, 195);
  EXPECT_TRUE(last().all(0, 0, 165, 195, red));
  EXPECT_TRUE(last().all(165, 0, 164, 195, blue));

  HWND larger = makeWindow(10, 10, 400, 300);
  skinWindow_.methods->attach(&skinWindow_, larger);
  ASSERT_TRUE(skinWindow_.methods->setBackImage(&skinWindow_, back));
  EXPECT_EQ(last().width, 400);
  EXPECT_EQ(last().height, 300);
  // The split moves to 165 * 400 / 329 = 200.6; the image covers the window.
  EXPECT_TRUE(last().all(2, 2, 195, 296, red));
  EXPECT_TRUE(last().all(205, 2, 193, 296, blue));
  for (auto [x, y] : {std::pair{0, 0}, {399, 0}, {0, 299}, {399, 299}}) {
    EXPECT_GE(last().at(x, y) >> 24, 0x80u) << x << "," << y;  // edge pixels may be filtered, never empty
  }
}

TEST_F(Compose, WithoutBackImageOrSkinnedChildrenEverythingIsTransparent) {
  HWND window = makeWindow(10, 10, 120, 80);
  // Image keys without a ControlType, or with 0, paint nothing.
  HWND plain = makeChild(window, "STATIC", 10, 10, 40, 40, 0);
  setImage(plain, keys::backImage, solidImage(40, 40, red));
  setImage(plain, keys::normalImage, solidImage(40, 40, red));
  HWND zero = makeChild(window, "BUTTON", 50, 10, 40, 40, 0);
  writeProp(zero, keys::type, 0);
  setImage(zero, keys::normalImage, solidImage(40, 40, red));
  // A ControlType outside the list is skinned but painted as nothing.
  HWND other = makeChild(window, "STATIC", 10, 50, 40, 20, 7);
  setImage(other, keys::backImage, solidImage(40, 20, red));

  bindAndRefresh(window);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(last().count(clear), 120 * 80);
}

TEST_F(Compose, ALaterChildInTheWindowManagersOrderPaintsOnTop) {
  HWND window = makeWindow(10, 10, 100, 100);
  HWND a = makeChild(window, "STATIC", 10, 10, 40, 40, 2);
  HWND b = makeChild(window, "STATIC", 30, 30, 40, 40, 2);
  setImage(a, keys::backImage, solidImage(40, 40, red));
  setImage(b, keys::backImage, solidImage(40, 40, blue));
  HWND first = GetWindow(window, GW_CHILD);
  HWND second = GetWindow(first, GW_HWNDNEXT);
  ASSERT_TRUE((first == a && second == b) || (first == b && second == a));
  const std::uint32_t later = second == a ? red : blue;
  const std::uint32_t earlier = second == a ? blue : red;

  bindAndRefresh(window);
  EXPECT_TRUE(last().all(30, 30, 20, 20, later));  // the overlap
  const int earlierX = first == a ? 10 : 50;
  EXPECT_EQ(last().at(earlierX + 5, first == a ? 15 : 65), earlier);
}

TEST_F(Compose, ChildrenArePlacedByClientCoordinatesFromTheOuterCorner) {
  HWND window = makeWindow(50, 50, 200, 150, WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME);
  RECT outer = {};
  GetWindowRect(window, &outer);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int frameLeft = client.x - outer.left;
  const int frameTop = client.y - outer.top;
  ASSERT_GT(frameTop, 0);

  HWND child = makeChild(window, "STATIC", 10, 10, 20, 20, 2);
  setImage(child, keys::backImage, solidImage(20, 20, red));
  bindAndRefresh(window);
  EXPECT_EQ(last().width, outer.right - outer.left);
  // Drawn at its client position as canvas position: shifted up and left by
  // the frame and caption against where the child really is.
  EXPECT_TRUE(last().all(10, 10, 20, 20, red));
  EXPECT_EQ(last().at(10 + frameLeft + 19, 10 + frameTop + 19), clear);
}

TEST_F(Compose, AChildPartlyOutsideTheWindowIsDrawnWhereItOverlaps) {
  HWND window = makeWindow(10, 10, 60, 40);
  HWND topLeft = makeChild(window, "STATIC", -10, -5, 30, 20, 2);
  HWND bottomRight = makeChild(window, "STATIC", 50, 30, 20, 20, 2);
  setImage(topLeft, keys::backImage, solidImage(30, 20, red));
  setImage(bottomRight, keys::backImage, solidImage(20, 20, blue));
  bindAndRefresh(window);
  EXPECT_TRUE(last().all(0, 0, 20, 15, red));
  EXPECT_TRUE(last().all(50, 30, 10, 10, blue));
  EXPECT_EQ(last().count(clear), 60 * 40 - 20 * 15 - 10 * 10);
}

TEST_F(Compose, AButtonShowsTheImageOfItsStateOrTheNormalOne) {
  HWND window = makeWindow(10, 10, 60, 40);
  HWND button = makeChild(window, "BUTTON", 5, 5, 39, 20, 3);
  bindAndRefresh(window);
  EXPECT_EQ(last().count(clear), 60 * 40);  // no image keys: nothing

  setImage(button, keys::overlImage, solidImage(39, 20, blue));
  compose(window);
  EXPECT_EQ(last().count(clear), 60 * 40);  // state 0 with only an over image: nothing

  GpImage* normal = solidImage(39, 20, red);
  GpImage* over = reinterpret_cast<GpImage*>(readProp(button, keys::overlImage));
  GpImage* disabled = solidImage(39, 20, green);
  setImage(button, keys::normalImage, normal);
  setImage(button, keys::disableImage, disabled);
  const struct {
    std::int32_t state;
    GpImage* image;
    std::uint32_t shown;
  } cases[] = {{0, normal, red}, {1, over, blue}, {2, normal, red}, {3, disabled, green}, {9, normal, red}};
  for (const auto& c : cases) {
    writeProp(button, keys::drawState, c.state);
    EXPECT_EQ(readDrawState(button), c.state);
    EXPECT_EQ(stateImage(button, c.state), c.image);
    compose(window);
    EXPECT_TRUE(last().all(5, 5, 39, 20, c.shown)) << "state " << c.state;
  }
}

TEST_F(Compose, BackTypesPlaceTheImageOfAButtonAndAnEditBox) {
  // Children 39 x 20 at (5, 5); the edit box has a green border and white text
  // but no fill.
  GpImage* wide = keepImage(makeBitmap(50, 20, coded));
  GpImage* small = solidImage(10, 10, red);
  GpImage* flat = solidImage(100, 50, red);
  for (const char* childClass : {"BUTTON", "EDIT"}) {
    const bool edit = std::string(childClass) == "EDIT";
    SCOPED_TRACE(childClass);
    for (std::int32_t backType : {0, 1, 2}) {
      for (GpImage* image : {wide, small, flat}) {
        HWND window = makeWindow(10, 10, 60, 40);
        HWND child = makeChild(window, childClass, 5, 5, 39, 20, edit ? 4 : 3, edit ? "abc" : "");
        writeProp(child, keys::backType, backType);
        setImage(child, edit ? keys::backImage : keys::normalImage, image);
        if (edit) {
          writeProp(child, keys::backColor, -1);
          writeProp(child, keys::orderColor, 0x0000FF00);
          writeProp(child, keys::orderAlpha, 255);
          writeProp(child, keys::textColor, 0x00FFFFFF);
        }
        bindAndRefresh(window);
        const Shot& shot = last();
        SCOPED_TRACE(::testing::Message() << "back type " << backType);
        if (backType == 1) {
          EXPECT_EQ(shot.at(5 + 19, 5 + 10) >> 24, 0xFFu);  // fills the child
          EXPECT_EQ(shot.at(4, 15), clear);
        } else if (backType == 0 && image != small) {
          // Natural, wider than the child: its left 39 x 20 part, 1:1, and for
          // an edit box no border and no text.
          for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 39; ++x) {
              ASSERT_EQ(shot.at(5 + x, 5 + y), image == wide ? coded(x, y) : red) << x << "," << y;
            }
          }
          EXPECT_EQ(shot.at(44, 15), clear);
          EXPECT_EQ(shot.count(clear), 60 * 40 - 39 * 20);
        } else if (image == small) {
          // Natural and Fit alike: 10 x 10, not enlarged; Fit centres it.
          const int x = backType == 2 ? 5 + 14 : 5;
          const int y = backType == 2 ? 5 + 5 : 5;
          EXPECT_TRUE(shot.all(x + 1, y + 1, 8, 8, red));
          EXPECT_EQ(shot.at(x + 12, y + 5), clear);
        } else if (image == flat && backType == 2) {
          // 100 x 50 fitted into 39 x 20: 39 x 19 at (0, 0) (19.5 truncated; offset 0).
          EXPECT_TRUE(shot.all(6, 6, 37, 17, red));
        }
        if (edit && !(backType == 0 && image != small)) {
          EXPECT_EQ(shot.at(44, 15), green);  // the border's right side, one past the child
          EXPECT_EQ(shot.at(5, 24) & 0xFF00FF00, 0xFF00FF00) << std::hex << shot.at(5, 24);
        }
        DestroyWindow(window);
      }
    }
  }
}

namespace {

// Fill, image, border and text of an edit box 100 x 24 at (10, 20) on a
// 140 x 60 window; the difference against the same box without text is the text.
class EditLayers : public Compose {
 protected:
  void SetUp() override {
    Compose::SetUp();
    font_ = makeTestFont(-14);
    window_ = makeWindow(10, 10, 140, 60);
    edit_ = makeChild(window_, "EDIT", 10, 20, 100, 24, 4, "", ES_AUTOHSCROLL);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    setImage(edit_, keys::backImage, solidImage(20, 10, blue));
    writeProp(edit_, keys::textColor, 0x00FFFFFF);
    skinWindow_.methods->attach(&skinWindow_, window_);
  }
  void TearDown() override {
    Compose::TearDown();
    DeleteObject(font_);
  }
  // The presentation with this text.
  Shot withText(const char* text) {
    SetWindowTextA(edit_, text);
    compose(window_);
    return last();
  }
  // Where two presentations differ: the bounding box, or empty.
  static RECT difference(const Shot& a, const Shot& b) {
    RECT box = {a.width, a.height, -1, -1};
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        if (a.at(x, y) == b.at(x, y)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x);
        box.bottom = std::max<LONG>(box.bottom, y);
      }
    }
    return box;
  }
  HFONT font_ = nullptr;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace

TEST_F(EditLayers, FillImageBorderThenTextInTheInsetRectangle) {
  writeProp(edit_, keys::backColor, 0x000000FF);
  writeProp(edit_, keys::backAlpha, 255);
  writeProp(edit_, keys::orderColor, 0x0000FF00);
  writeProp(edit_, keys::orderAlpha, 255);
  const Shot empty = withText("");
  EXPECT_EQ(empty.at(105, 40), red);    // fill
  EXPECT_EQ(empty.at(15, 25), blue);    // image over the fill
  EXPECT_EQ(empty.at(10, 25), green);   // border over the image
  EXPECT_EQ(empty.at(10, 35), green);   // left side
  EXPECT_EQ(empty.at(60, 20), green);   // top
  EXPECT_EQ(empty.at(110, 30), green);  // right side, one past the box
  EXPECT_EQ(empty.at(60, 44), green);   // bottom, one past the box
  EXPECT_EQ(empty.at(111, 30), clear);

  const Shot text = withText("abc");
  const RECT drawn = difference(empty, text);
  ASSERT_LE(drawn.left, drawn.right) << "no text drawn";
  // Left-aligned in (12, 22, 96, 20) and vertically centred.
  EXPECT_GE(drawn.left, 12);
  EXPECT_LE(drawn.left, 16);
  EXPECT_GE(drawn.top, 22);
  EXPECT_LE(drawn.bottom, 41);
  EXPECT_NEAR((drawn.top + drawn.bottom) / 2.0, 32, 4);
  EXPECT_LT(drawn.right, 50);  // three letters

  // A long text is neither wrapped nor drawn past the rectangle.
  const RECT cut = difference(empty, withText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
  EXPECT_GE(cut.left, 12);
  EXPECT_LE(cut.right, 107);
  EXPECT_GE(cut.right, 100);
  EXPECT_GE(cut.top, 22);
  EXPECT_LE(cut.bottom, 41);
}

TEST_F(EditLayers, NoFillAndNoBorderForColourMinusOne) {
  writeProp(edit_, keys::backColor, -1);
  writeProp(edit_, keys::backAlpha, 255);
  writeProp(edit_, keys::orderColor, -1);
  writeProp(edit_, keys::orderAlpha, 255);
  const Shot empty = withText("");
  EXPECT_EQ(empty.count(blue), 20 * 10);  // only the image
  EXPECT_EQ(empty.count(clear), 140 * 60 - 20 * 10);
  const Shot text = withText("abc");
  EXPECT_LE(difference(empty, text).left, difference(empty, text).right);  // the text still
}

TEST_F(EditLayers, WithoutColourKeysFillAndBorderAreInvisibleAndTheTextBlack) {
  removeProp(edit_, keys::textColor);
  const Shot empty = withText("");
  EXPECT_EQ(empty.count(blue), 20 * 10);
  EXPECT_EQ(empty.count(clear), 140 * 60 - 20 * 10);
  const Shot text = withText("abc");
  const RECT drawn = difference(empty, text);
  ASSERT_LE(drawn.left, drawn.right);
  EXPECT_GT(text.count(0xFF000000), 0);  // opaque black
}

TEST_F(EditLayers, AnEditBoxWithoutAFontDrawsNoText) {
  SendMessageA(edit_, WM_SETFONT, 0, FALSE);
  const Shot empty = withText("");
  const Shot text = withText("abc");
  EXPECT_EQ(empty.pixels, text.pixels);
}

TEST(ChildText, IsTheAnsiWindowTextAndItsUtf16BytesEndInTwoZeros) {
  HWND edit = CreateWindowExA(0, "EDIT", "abc", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(windowTextAnsi(edit), "abc");
  EXPECT_EQ(toUtf16("abc"), (runtime::Bytes{'a', 0, 'b', 0, 'c', 0, 0, 0}));
  SetWindowTextA(edit, "");
  EXPECT_EQ(windowTextAnsi(edit), "");
  EXPECT_EQ(toUtf16(""), (runtime::Bytes{0, 0}));
  DestroyWindow(edit);
}

TEST_F(Compose, PresentPutsTheImageAtTheTopLeftOfATransparentSurface) {
  HWND window = makeWindow(10, 10, 60, 40);
  skinWindow_.methods->attach(&skinWindow_, window);
  present(window, solidImage(30, 20, red), false);  // a canvas smaller than the window
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(last().count(red), 30 * 20);
  EXPECT_EQ(last().count(clear), 60 * 40 - 30 * 20);
  present(window, solidImage(80, 50, blue), false);  // larger: cut at the edges
  EXPECT_EQ(last().count(blue), 60 * 40);
  present(window, nullptr, false);
  present(nullptr, solidImage(5, 5, red), false);
  EXPECT_EQ(shots.size(), 2u);
}

TEST_F(Compose, AWindowOfNoSizeGetsNoCanvasAndTheKeptCanvasGoes) {
  HWND window = makeWindow(10, 10, 60, 40);
  skinFocus.focusedParent = window;
  compose(window);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_NE(skinFocus.keptCanvas, nullptr);
  SetWindowPos(window, nullptr, 0, 0, 0, 40, SWP_NOMOVE | SWP_NOZORDER);
  compose(window);
  EXPECT_EQ(shots.size(), 1u);
  EXPECT_EQ(skinFocus.keptCanvas, nullptr);
}

TEST_F(Compose, SkinWindowOperations) {
  HWND window = makeWindow(100, 100, 60, 40);
  SkinWindow* skin = newSkinWindow();
  EXPECT_EQ(skin->methods, &skinWindowMethods);
  EXPECT_EQ(skin->methods->handle(skin), nullptr);
  EXPECT_FALSE(skin->methods->isWindow(skin));
  EXPECT_FALSE(skin->methods->setBackImage(skin, solidImage(5, 5, red)));  // unbound
  EXPECT_FALSE(skin->methods->attach(skin, reinterpret_cast<HWND>(0x1234)));
  EXPECT_EQ(skin->methods->handle(skin), nullptr);

  EXPECT_TRUE(skin->methods->attach(skin, window));
  EXPECT_TRUE(skin->methods->isWindow(skin));
  EXPECT_EQ(skin->methods->handle(skin), window);
  EXPECT_FALSE(skin->methods->setBackImage(skin, nullptr));
  EXPECT_TRUE(shots.empty());  // attach does not compose

  const runtime::Bytes png = makePng(329, 195, [](int, int) { return 0x80FF0000u; });
  EXPECT_TRUE(skin->methods->setBackImageFromBytes(skin, png));
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(last().at(30, 20), 0x80800000u);  // red at alpha 128, premultiplied
  auto* back = reinterpret_cast<GpImage*>(readProp(window, keys::backImage));
  ASSERT_NE(back, nullptr);
  keepImage(back);
  const std::string text = "not an image";
  EXPECT_FALSE(skin->methods->setBackImageFromBytes(skin, runtime::Bytes(text.begin(), text.end())));
  EXPECT_EQ(readProp(window, keys::backImage), reinterpret_cast<std::intptr_t>(back));

  SetWindowTextA(window, "twelve chars");
  EXPECT_EQ(skin->methods->sendMessage(skin, WM_GETTEXTLENGTH, 0, 0), 12);

  SkinWindow* twin = skin->methods->copy(skin);
  EXPECT_EQ(twin->methods, skin->methods);
  EXPECT_EQ(twin->window, window);
  twin->methods->destroy(twin);
  freeSkinWindow(twin);

  skin->methods->destroy(skin);  // the window keeps its skin
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), WS_EX_LAYERED);
  EXPECT_EQ(readProp(window, keys::time), 64);
  freeSkinWindow(skin);
}

TEST_F(Compose, SetBoundsKeepsWhatIsNotGiven) {
  HWND window = makeWindow(100, 120, 60, 40);
  skinWindow_.methods->attach(&skinWindow_, window);
  auto rect = [window] {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
  };
  skinWindow_.methods->setBounds(&skinWindow_, 150, true, 0, false, 0, false, 0, false, false);
  RECT r = rect();
  EXPECT_EQ(r.left, 150);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(r.right - r.left, 60);
  EXPECT_EQ(r.bottom - r.top, 40);
  skinWindow_.methods->setBounds(&skinWindow_, 0, false, 0, false, 0, false, 70, true, true);
  r = rect();
  EXPECT_EQ(r.left, 150);
  EXPECT_EQ(r.right - r.left, 60);
  EXPECT_EQ(r.bottom - r.top, 70);
  skinWindow_.methods->setBounds(&skinWindow_, 0, false, 0, false, 0, false, 0, false, false);
  r = rect();
  EXPECT_EQ(r.left, 150);
  EXPECT_EQ(r.top, 120);
  EXPECT_TRUE(shots.empty());  // no composition follows
}
