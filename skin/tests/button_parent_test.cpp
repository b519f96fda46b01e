// The procedure a skinned button's parent gets: transparent colour answers for
// skinned children, repaints on edit-box changes and custom-draw notices.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/gdiplus/tests/png_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/tests/button_windows_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

// A parent with one bound button, so that its procedure is the skin's.
struct SkinnedParent {
  HWND parent;
  SkinButton* skin = newSkinButton();
  HWND button;

  explicit SkinnedParent(HWND parent) : parent(parent), button(makeButton(parent, 20, 30, 40, 20)) {
    skin->methods->bind(skin, button, nullptr, false);
  }
  ~SkinnedParent() {
    DestroyWindow(button);
    freeSkinButton(skin);
  }
};

TEST(ButtonParent, ColourMessagesOfSkinnedChildrenGetATransparentAnswer) {
  const HWND parent = makeParent();
  {
    SkinnedParent skinned(parent);
    const HWND edit = makeRecordingChild(parent, 10, 60, 50, 20);
    writeProp(edit, keys::type, 4);
    writeProp(edit, keys::textColor, 0x00112233);
    const HWND picture = makeRecordingChild(parent, 70, 60, 50, 20);
    writeProp(picture, keys::type, 2);
    const HWND plain = makeRecordingChild(parent, 130, 60, 50, 20);
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto nullBrush = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));

    struct Case {
      HWND child;
      LRESULT answer;
      COLORREF text;
      int mode;
      std::size_t passed;
    };
    const Case cases[] = {
        {edit, nullBrush, 0x00112233, TRANSPARENT, 0},
        {skinned.button, nullBrush, 0x00ABCDEF, TRANSPARENT, 0},
        {picture, nullBrush, 0x00ABCDEF, TRANSPARENT, 0},
        {plain, parentBrushAnswer, 0x00ABCDEF, OPAQUE, 1},
    };
    for (UINT message :
         {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN, WM_CTLCOLORDLG, WM_CTLCOLORSTATIC}) {
      for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "message " << std::hex << message << " child type " << readInt(c.child, keys::type));
        SetTextColor(dc, 0x00ABCDEF);
        SetBkMode(dc, OPAQUE);
        received.clear();
        EXPECT_EQ(SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.child)),
                  c.answer);
        EXPECT_EQ(GetTextColor(dc), c.text);
        EXPECT_EQ(GetBkMode(dc), c.mode);
        EXPECT_EQ(countReceived(parent, message), c.passed);
      }
    }
    // A scroll bar's colour message goes to the earlier procedure, skinned child or not.
    SetBkMode(dc, OPAQUE);
    received.clear();
    EXPECT_EQ(SendMessageA(parent, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)),
              parentBrushAnswer);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(countReceived(parent, WM_CTLCOLORSCROLLBAR), 1u);
    DeleteDC(dc);
  }
  DestroyWindow(parent);
}

TEST(ButtonParent, EditBoxChangesRepaintTheEditBoxWithItsBackgroundErased) {
  const HWND parent = shownParent();
  SkinnedParent skinned(parent);
  const HWND edit = makeRecordingChild(parent, 10, 60, 50, 20);
  writeProp(edit, keys::type, 4);
  const HWND plain = makeRecordingChild(parent, 130, 60, 50, 20);
  paintNow(parent);

  struct Case {
    HWND control;
    WORD code;
    bool repainted;
  };
  const Case cases[] = {
      {edit, EN_CHANGE, true},
      {edit, EN_HSCROLL, true},
      {edit, EN_VSCROLL, true},
      {edit, EN_UPDATE, false},
      {edit, EN_SETFOCUS, false},
      {plain, EN_CHANGE, false},
      {skinned.button, EN_CHANGE, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << std::hex << c.code << " type " << readInt(c.control, keys::type));
    ValidateRect(c.control, nullptr);
    received.clear();
    EXPECT_EQ(SendMessageA(parent, WM_COMMAND, MAKEWPARAM(7, c.code), reinterpret_cast<LPARAM>(c.control)),
              parentAnswer);
    EXPECT_EQ(countReceived(parent, WM_COMMAND), 1u);
    RECT area;
    EXPECT_EQ(GetUpdateRect(c.control, &area, FALSE) != FALSE, c.repainted);
    if (c.repainted) {
      UpdateWindow(c.control);
      EXPECT_EQ(countReceived(c.control, WM_ERASEBKGND), 1u);
    }
  }
  // A menu command has no control.
  received.clear();
  EXPECT_EQ(SendMessageA(parent, WM_COMMAND, MAKEWPARAM(7, 0), 0), parentAnswer);
  EXPECT_EQ(countReceived(parent, WM_COMMAND), 1u);
  DestroyWindow(edit);
  DestroyWindow(plain);
}

TEST(ButtonParent, ACustomDrawNoticeFromASkinnedButtonRedrawsIt) {
  const HWND parent = shownParent();
  SkinnedParent skinned(parent);
  GpImage* redImage = makeSolidBitmap(40, 20, 0xFFFF0000);
  GpImage* greenImage = makeSolidBitmap(40, 20, 0xFF00FF00);
  skinned.skin->methods->setStateImages(skinned.skin, redImage, true, greenImage, true, nullptr, false, nullptr, false);
  // An edit-box child that would draw green if it were drawn as a button.
  const HWND edit = makeRecordingChild(parent, 10, 60, 50, 20);
  writeProp(edit, keys::type, 4);
  writeProp(edit, keys::normalImage, reinterpret_cast<std::intptr_t>(greenImage));
  paintNow(parent);
  const HDC screen = GetDC(nullptr);
  const HBITMAP editCache = CreateCompatibleBitmap(screen, 50, 20);
  ReleaseDC(nullptr, screen);
  writeProp(edit, keys::cacheBitmap, reinterpret_cast<std::intptr_t>(editCache));

  // The state changes behind the button's back: nothing is drawn yet.
  writeProp(skinned.button, keys::drawState, 1);
  EXPECT_EQ(windowPixels(skinned.button).at(20, 10), 0xFF0000u);

  struct Case {
    HWND from;
    UINT code;
    std::uint32_t buttonColour;
  };
  const Case cases[] = {
      {skinned.button, NM_CLICK, 0xFF0000},
      {edit, NM_CUSTOMDRAW, 0xFF0000},
      {skinned.button, NM_CUSTOMDRAW, 0x00FF00},
  };
  const std::uint32_t editBefore = windowPixels(edit).at(25, 10);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << static_cast<int>(c.code) << " type "
                                      << readInt(c.from, keys::type));
    NMHDR header{c.from, 7, c.code};
    received.clear();
    EXPECT_EQ(SendMessageA(parent, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), parentAnswer);
    EXPECT_EQ(countReceived(parent, WM_NOTIFY), 1u);
    EXPECT_EQ(windowPixels(skinned.button).at(20, 10), c.buttonColour);
    EXPECT_EQ(windowPixels(edit).at(25, 10), editBefore);
  }
  DestroyWindow(edit);
  DeleteObject(editCache);
  GdipDisposeImage(redImage);
  GdipDisposeImage(greenImage);
}

}  // namespace
