// A skinned button bound on a layered window, the way the program binds its
// close button: bind, state images from PNG bytes, then refresh of the window.
#include <gtest/gtest.h>

#include "skin/button_procs_win.h"
#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/layered_procs_win.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/skin_window_win.h"
#include "skin/tests/layered_fixture_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

WNDPROC procOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class ButtonOnLayered : public LayeredTest {};

TEST_F(ButtonOnLayered, RefreshHandsTheBoundButtonToTheLayeredProceduresAndShowsItsImage) {
  const HWND window = makeWindow(100, 100, 200, 120);
  const HWND close = makeChild(window, "Button", 150, 10, 39, 20, 0);
  const WNDPROC closeBefore = procOf(close);
  SkinWindow* overlay = newSkinWindow();
  SkinButton* closeSkin = newSkinButton();

  ASSERT_TRUE(overlay->methods->attach(overlay, window));
  closeSkin->methods->bind(closeSkin, close, nullptr, false);
  EXPECT_EQ(procOf(close), reinterpret_cast<WNDPROC>(skinButtonProc));
  const auto png = [](std::uint32_t argb) { return makePng(39, 20, [argb](int, int) { return argb; }); };
  closeSkin->methods->setStateImagesFromBytes(closeSkin, png(0xFFFF0000), true, png(0xFF00FF00), true, png(0xFF0000FF),
                                              true, {}, false);
  overlay->methods->refresh(overlay);

  // The button's own procedure is back behind the layered one; the window keeps
  // the parent procedure of the binding.
  EXPECT_EQ(procOf(close), reinterpret_cast<WNDPROC>(layeredButtonProc));
  EXPECT_EQ(readProp(close, keys::wndProc), 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(readProp(close, keys::childWndProc)), closeBefore);
  EXPECT_NE(readProp(window, keys::wndProc), 0);
  EXPECT_EQ(readInt(close, keys::type), 3);
  EXPECT_EQ(readProp(close, keys::disableImage), 0);
  ASSERT_FALSE(shots.empty());
  EXPECT_TRUE(last().all(150, 10, 39, 20, 0xFFFF0000));

  closeSkin->methods->destroy(closeSkin);
  freeSkinButton(closeSkin);
  overlay->methods->destroy(overlay);
  freeSkinWindow(overlay);
  for (const char* key : {keys::normalImage, keys::overlImage, keys::downImage}) {
    GdipDisposeImage(reinterpret_cast<GpImage*>(readProp(close, key)));
  }
}

}  // namespace
