// Binding push buttons of ordinary windows: subclassing, styles, images, the
// record's accessors.
#include <gtest/gtest.h>

#include <string>

#include "skin/button_procs_win.h"
#include "skin/button_styles_win.h"
#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/tests/button_windows_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

WNDPROC procOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}
WNDPROC savedOf(HWND window) {
  return reinterpret_cast<WNDPROC>(readProp(window, keys::wndProc));
}
LONG_PTR styleOf(HWND window) {
  return GetWindowLongPtrA(window, GWL_STYLE);
}
LONG_PTR exStyleOf(HWND window) {
  return GetWindowLongPtrA(window, GWL_EXSTYLE);
}

GpImage* imageOf(HWND button, const char* key) {
  return reinterpret_cast<GpImage*>(readProp(button, key));
}

struct Fixture : ::testing::Test {
  SkinButton* skin = newSkinButton();
  HWND parent = makeParent();

  ~Fixture() override {
    skin->methods->destroy(skin);
    freeSkinButton(skin);
    DestroyWindow(parent);
  }
};

using ButtonBind = Fixture;

TEST_F(ButtonBind, ANewRecordIsUnbound) {
  EXPECT_EQ(skin->methods, &skinButtonMethods);
  EXPECT_EQ(skin->methods->handle(skin), nullptr);
  EXPECT_EQ(skin->methods->windowHandle(skin), nullptr);
  EXPECT_FALSE(skin->methods->isWindow(skin));
}

TEST_F(ButtonBind, TwoButtonsOfOneParentSubclassTheParentOnce) {
  const HWND first = makeButton(parent, 20, 30, 40, 20);
  const HWND second = makeButton(parent, 80, 30, 40, 20);
  const WNDPROC firstBefore = procOf(first);
  const WNDPROC secondBefore = procOf(second);
  ASSERT_EQ(procOf(parent), parentClassProc());

  skin->methods->bind(skin, first, nullptr, false);
  SkinButton* other = newSkinButton();
  other->methods->bind(other, second, nullptr, false);

  EXPECT_EQ(procOf(parent), reinterpret_cast<WNDPROC>(skinParentProc));
  EXPECT_EQ(savedOf(parent), parentClassProc());
  EXPECT_EQ(styleOf(parent) & WS_CLIPCHILDREN, 0);
  for (const auto& [button, before] : {std::pair{first, firstBefore}, std::pair{second, secondBefore}}) {
    EXPECT_EQ(procOf(button), reinterpret_cast<WNDPROC>(skinButtonProc));
    EXPECT_EQ(savedOf(button), before);
    EXPECT_EQ(readInt(button, keys::type), 3);
    EXPECT_EQ(styleOf(button) & WS_CLIPSIBLINGS, 0);
    EXPECT_EQ(styleOf(button) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(exStyleOf(button) & WS_EX_TRANSPARENT, 0);
  }
  EXPECT_EQ(skin->methods->handle(skin), first);
  EXPECT_EQ(other->methods->handle(other), second);
  freeSkinButton(other);
}

TEST_F(ButtonBind, BindingTwiceChangesNothingMore) {
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  const WNDPROC before = procOf(button);
  skin->methods->bind(skin, button, nullptr, false);
  const LONG_PTR style = styleOf(button), exStyle = exStyleOf(button), parentStyle = styleOf(parent);

  skin->methods->bind(skin, button, nullptr, false);

  EXPECT_EQ(procOf(button), reinterpret_cast<WNDPROC>(skinButtonProc));
  EXPECT_EQ(savedOf(button), before);  // never its own skin procedure
  EXPECT_EQ(savedOf(parent), parentClassProc());
  EXPECT_EQ(styleOf(button), style);
  EXPECT_EQ(exStyleOf(button), exStyle);
  EXPECT_EQ(styleOf(parent), parentStyle);
  // Each style change of the binding finds nothing left to change.
  EXPECT_FALSE(changeStyle(button, WS_CLIPSIBLINGS));
  EXPECT_FALSE(changeExStyle(button, 0, WS_EX_TRANSPARENT));
  EXPECT_FALSE(changeStyle(parent, WS_CLIPCHILDREN));
  EXPECT_FALSE(changeStyle(button, 0, BS_OWNERDRAW));
}

TEST_F(ButtonBind, ASkinnedParentKeepsItsProcedureButLosesClipChildren) {
  writeProp(parent, keys::type, 4);
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  skin->methods->bind(skin, button, nullptr, false);
  EXPECT_EQ(procOf(parent), parentClassProc());
  EXPECT_EQ(readProp(parent, keys::wndProc), 0);
  EXPECT_EQ(styleOf(parent) & WS_CLIPCHILDREN, 0);
  EXPECT_EQ(procOf(button), reinterpret_cast<WNDPROC>(skinButtonProc));
}

TEST_F(ButtonBind, ANonWindowBindsNothingAndKeepsTheRecordsHandle) {
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  ASSERT_TRUE(skin->methods->attach(skin, button));
  const HWND gone = makeButton(parent, 80, 30, 40, 20);
  DestroyWindow(gone);
  EXPECT_FALSE(skin->methods->attach(skin, gone));
  skin->methods->bind(skin, gone, nullptr, false);
  EXPECT_EQ(skin->methods->handle(skin), button);
  EXPECT_TRUE(skin->methods->isWindow(skin));
  DestroyWindow(button);
  EXPECT_FALSE(skin->methods->isWindow(skin));
}

TEST_F(ButtonBind, ANormalImageIsStoredOnlyWhenGivenAndNonzero) {
  GpImage* first = makeSolidBitmap(4, 4, 0xFFFF0000);
  GpImage* second = makeSolidBitmap(4, 4, 0xFF00FF00);
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  skin->methods->bind(skin, button, first, true);
  EXPECT_EQ(imageOf(button, keys::normalImage), first);
  skin->methods->bind(skin, button, nullptr, true);
  skin->methods->bind(skin, button, second, false);
  EXPECT_EQ(imageOf(button, keys::normalImage), first);
  skin->methods->bind(skin, button, second, true);
  EXPECT_EQ(imageOf(button, keys::normalImage), second);
  DestroyWindow(button);
  GdipDisposeImage(first);
  GdipDisposeImage(second);
}

TEST_F(ButtonBind, StateImagesAreStoredWhenGivenAndKeptWhenNot) {
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  skin->methods->bind(skin, button, nullptr, false);
  GpImage* kept = makeSolidBitmap(4, 4, 0xFF0000FF);
  writeProp(button, keys::disableImage, reinterpret_cast<std::intptr_t>(kept));

  const auto png = [](std::uint32_t argb) { return makePng(39, 20, [argb](int, int) { return argb; }); };
  skin->methods->setStateImagesFromBytes(skin, png(0xFFFF0000), true, png(0xFF00FF00), true, png(0xFF0000FF), true, {},
                                         false);
  GpImage* normal = imageOf(button, keys::normalImage);
  GpImage* over = imageOf(button, keys::overlImage);
  GpImage* down = imageOf(button, keys::downImage);
  ASSERT_NE(normal, nullptr);
  ASSERT_NE(over, nullptr);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(imageWidth(normal), 39u);
  EXPECT_EQ(imageHeight(normal), 20u);
  EXPECT_EQ(pixelOf(over, 5, 5), 0xFF00FF00u);
  EXPECT_EQ(pixelOf(down, 5, 5), 0xFF0000FFu);
  EXPECT_EQ(imageOf(button, keys::disableImage), kept);

  // Bytes that do not decode clear that state's image; handles given directly
  // are stored as they are, a given null included.
  const runtime::Bytes text{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
  skin->methods->setStateImagesFromBytes(skin, {}, false, text, true, {}, false, {}, false);
  EXPECT_EQ(imageOf(button, keys::overlImage), nullptr);
  EXPECT_EQ(imageOf(button, keys::normalImage), normal);
  skin->methods->setStateImages(skin, nullptr, false, kept, true, nullptr, true, nullptr, false);
  EXPECT_EQ(imageOf(button, keys::normalImage), normal);
  EXPECT_EQ(imageOf(button, keys::overlImage), kept);
  EXPECT_EQ(imageOf(button, keys::downImage), nullptr);
  EXPECT_EQ(imageOf(button, keys::disableImage), kept);

  skin->methods->setBackType(skin, 2);
  EXPECT_EQ(readInt(button, keys::backType), 2);
  DestroyWindow(button);
  for (GpImage* image : {normal, over, down, kept}) GdipDisposeImage(image);
}

TEST_F(ButtonBind, PropertiesAndMessagesGoToTheBoundButton) {
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  skin->methods->bind(skin, button, nullptr, false);
  EXPECT_TRUE(skin->methods->setProperty(skin, "ChartframeTestKey", 1234));
  EXPECT_EQ(readProp(button, "ChartframeTestKey"), 1234);
  EXPECT_EQ(skin->methods->getProperty(skin, "ChartframeTestKey"), 1234);
  EXPECT_EQ(skin->methods->getProperty(skin, "ChartframeAbsentKey"), 0);
  SetWindowTextA(button, "abcd");
  EXPECT_EQ(skin->methods->sendMessage(skin, WM_GETTEXTLENGTH, 0, 0), 4);
  EXPECT_EQ(skin->methods->sendWindowMessage(skin, WM_GETTEXTLENGTH, 0, 0), 4);

  SkinButton* copy = skin->methods->copy(skin);
  EXPECT_EQ(copy->methods, skin->methods);
  EXPECT_EQ(copy->window, button);
  freeSkinButton(copy);
}

TEST_F(ButtonBind, CreateMakesABoundButton) {
  const HWND button = skin->methods->create(skin, parent, 10, 20, 30, 15, "go");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(skin->methods->handle(skin), button);
  EXPECT_EQ(GetParent(button), parent);
  char name[16] = {};
  GetClassNameA(button, name, sizeof name);
  EXPECT_STREQ(name, "Button");
  RECT rect;
  GetWindowRect(button, &rect);
  EXPECT_EQ(rect.left, 110);
  EXPECT_EQ(rect.top, 120);
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 15);
  EXPECT_EQ(readInt(button, keys::type), 3);
  EXPECT_EQ(procOf(button), reinterpret_cast<WNDPROC>(skinButtonProc));
  EXPECT_NE(exStyleOf(button) & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(styleOf(button) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);

  // A child needs a parent: no window, nothing bound.
  SkinButton* other = newSkinButton();
  EXPECT_EQ(other->methods->create(other, nullptr, 0, 0, 10, 10, "x"), nullptr);
  EXPECT_EQ(other->methods->handle(other), nullptr);
  freeSkinButton(other);
}

// The position requests that reach the button's earlier procedure.
std::vector<WINDOWPOS> positionRequests(HWND button) {
  std::vector<WINDOWPOS> out;
  for (const Received& r : received) {
    if (r.window == button && r.message == WM_WINDOWPOSCHANGING) out.push_back(r.position);
  }
  return out;
}

TEST_F(ButtonBind, SetBoundsTakesWhatIsNotGivenFromTheWindow) {
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  skin->methods->bind(skin, button, nullptr, false);
  auto placeOf = [&] {
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };

  // Only x: moved along its row, same top and size.
  received.clear();
  skin->methods->setBounds(skin, 50, true, 0, false, 0, false, 0, false, false);
  RECT rect = placeOf();
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(rect.right - rect.left, 40);
  EXPECT_EQ(rect.bottom - rect.top, 20);

  // Only a width: same place and height.
  skin->methods->setBounds(skin, 0, false, 0, false, 60, true, 0, false, false);
  rect = placeOf();
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(rect.right - rect.left, 60);
  EXPECT_EQ(rect.bottom - rect.top, 20);

  // Nothing: neither moved nor sized, only the z-order and redraw flags.
  received.clear();
  skin->methods->setBounds(skin, 0, false, 0, false, 0, false, 0, false, true);
  rect = placeOf();
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.right - rect.left, 60);
  const auto requests = positionRequests(button);
  ASSERT_FALSE(requests.empty());
  const UINT mask = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW;
  EXPECT_EQ(requests.front().flags & mask, mask);
}

TEST(ButtonRepaint, InvalidateWithParentInvalidatesTheButtonsAreaInTheParent) {
  const HWND parent = shownParent();
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  paintNow(parent);
  ValidateRect(parent, nullptr);
  ValidateRect(button, nullptr);
  invalidateWithParent(button);
  RECT area{};
  EXPECT_TRUE(GetUpdateRect(parent, &area, FALSE));
  EXPECT_EQ(area.left, 20);
  EXPECT_EQ(area.top, 30);
  EXPECT_EQ(area.right, 60);
  EXPECT_EQ(area.bottom, 50);
  EXPECT_TRUE(GetUpdateRect(button, &area, FALSE));

  // The record's invalidate leaves the parent alone.
  ValidateRect(parent, nullptr);
  ValidateRect(button, nullptr);
  SkinButton* skin = newSkinButton();
  skin->methods->attach(skin, button);
  skin->methods->invalidate(skin);
  EXPECT_FALSE(GetUpdateRect(parent, &area, FALSE));
  EXPECT_TRUE(GetUpdateRect(button, &area, FALSE));
  freeSkinButton(skin);
  DestroyWindow(button);
}

// The program's windows are Unicode windows (made with the W functions); the
// skin's A procedures sit in front of them and pass their messages on. Texts
// then cross the ANSI code page on the way, so only texts of that code page
// survive whole (ASCII here; the Chinese ones on a GBK system).
TEST(ButtonUnicode, WideWindowsKeepTheirTextsThroughTheSkin) {
  const HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  const HWND button = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 40, 20, parent,
                                      nullptr, nullptr, nullptr);
  ASSERT_NE(button, nullptr);
  SkinButton* skin = newSkinButton();
  skin->methods->bind(skin, button, nullptr, false);
  ASSERT_EQ(procOf(button), reinterpret_cast<WNDPROC>(skinButtonProc));
  ASSERT_EQ(procOf(parent), reinterpret_cast<WNDPROC>(skinParentProc));
  for (const HWND window : {button, parent}) {
    EXPECT_TRUE(SetWindowTextW(window, L"Close"));
    wchar_t text[8] = {};
    EXPECT_EQ(GetWindowTextW(window, text, 8), 5);
    EXPECT_EQ(std::wstring(text), L"Close");
  }
  freeSkinButton(skin);
  DestroyWindow(parent);
}

TEST(ButtonStyles, ChangeStyleWithPositionFlagsRecomputesTheFrame) {
  const HWND parent = makeParent();
  const HWND button = makeButton(parent, 20, 30, 40, 20);
  received.clear();
  EXPECT_TRUE(changeStyle(button, 0, WS_BORDER, SWP_FRAMECHANGED));
  EXPECT_NE(styleOf(button) & WS_BORDER, 0);
  EXPECT_EQ(countReceived(button, WM_NCCALCSIZE), 1u);
  received.clear();
  EXPECT_TRUE(changeExStyle(button, 0, WS_EX_CLIENTEDGE));
  EXPECT_NE(exStyleOf(button) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(countReceived(button, WM_NCCALCSIZE), 0u);
  DestroyWindow(parent);
}

}  // namespace
