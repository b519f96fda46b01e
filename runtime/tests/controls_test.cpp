// Controls as the layout builds them: kinds, styles, fonts, painting.
#include <gtest/gtest.h>

#include "pump_win.h"

using namespace runtime;

namespace {

std::wstring classOf(HWND h) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  return name;
}

std::wstring textOf(HWND h) {
  wchar_t text[64] = {};
  GetWindowTextW(h, text, 64);
  return text;
}

}  // namespace

TEST(Controls, KindsGetTheirDefaultsAndStyles) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "kinds";
    l.width = 300;
    l.height = 220;
    l.controls = {label("标签1", 8, 16, 48, 24), button("按钮1", 136, 88, 72, 48), editBox("编辑框1", 56, 16, 64, 24),
                  timer("时钟1"), commonDialog("通用对话框1")};
    l.controls[1].button.defaultButton = true;
    ControlLayout hiddenButton = button("小", 10, 150, 30, 20);
    hiddenButton.visible = false;
    hiddenButton.text = "-";
    l.controls.push_back(hiddenButton);
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND lb = windowHandleOf({&w, "标签1"}), bt = windowHandleOf({&w, "按钮1"}), ed = windowHandleOf({&w, "编辑框1"});
  ASSERT_TRUE(lb && bt && ed);
  EXPECT_EQ(windowHandleOf({&w, "时钟1"}), nullptr);
  EXPECT_EQ(windowHandleOf({&w, "通用对话框1"}), nullptr);

  EXPECT_EQ(textOf(lb), L"标签");
  EXPECT_EQ(textOf(bt), L"按钮");
  EXPECT_EQ(textOf(ed), L"");
  EXPECT_EQ(textOf(windowHandleOf({&w, "小"})), L"-");
  EXPECT_FALSE(IsWindowVisible(windowHandleOf({&w, "小"})));

  EXPECT_EQ(classOf(bt), L"Button");
  const DWORD bs = GetWindowLongW(bt, GWL_STYLE);
  EXPECT_EQ(bs & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_EQ(bs & (BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP),
            static_cast<DWORD>(BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP));

  EXPECT_EQ(classOf(ed), L"Edit");
  const DWORD es = GetWindowLongW(ed, GWL_STYLE);
  EXPECT_TRUE(es & ES_AUTOHSCROLL);
  EXPECT_FALSE(es & ES_MULTILINE);
  EXPECT_FALSE(es & ES_NOHIDESEL);
  EXPECT_TRUE(es & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongW(ed, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  EXPECT_FALSE(GetWindowLongW(lb, GWL_STYLE) & WS_TABSTOP);

  // Every control shows the default GUI font.
  for (HWND h : {lb, bt, ed})
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));

  // Control geometry is the layout's, in client coordinates.
  RECT r = windowRect(bt);
  MapWindowPoints(HWND_DESKTOP, windowHandleOf({&w}), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 136);
  EXPECT_EQ(r.top, 88);
  EXPECT_EQ(r.right - r.left, 72);
  EXPECT_EQ(r.bottom - r.top, 48);
}

namespace {

COLORREF pixelOf(HWND h, int x, int y) {
  HDC dc = GetDC(h);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(h, dc);
  return c;
}

}  // namespace

TEST(Painting, WindowAndLabelFillWithTheirColoursAndTheLabelDrawsItsText) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "paint";
    l.width = 200;
    l.height = 150;
    l.backColour = RGB(0, 128, 0);
    ControlLayout blank = label("标签1", 10, 10, 60, 30);
    blank.text = "";
    blank.label.backColour = RGB(200, 0, 0);
    ControlLayout written = label("标签2", 10, 60, 120, 40);
    written.text = "XXXXXXXX";
    written.label.backColour = RGB(255, 255, 255);
    written.label.textColour = RGB(0, 0, 255);
    written.label.hAlign = 1;
    l.controls = {blank, written};
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pumpPending();
  EXPECT_EQ(pixelOf(h, 150, 10), RGB(0, 128, 0));
  EXPECT_EQ(pixelOf(windowHandleOf({&w, "标签1"}), 30, 15), RGB(200, 0, 0));
  // The text is drawn in its colour, centred: blue pixels in the middle, none at the edges.
  HWND text = windowHandleOf({&w, "标签2"});
  int blue = 0, blueAtEdges = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if (pixelOf(text, x, y) == RGB(0, 0, 255)) ++((x < 10 || x >= 110) ? blueAtEdges : blue);
  EXPECT_GT(blue, 10);
  EXPECT_EQ(blueAtEdges, 0);
  EXPECT_EQ(pixelOf(text, 2, 2), RGB(255, 255, 255));
}
