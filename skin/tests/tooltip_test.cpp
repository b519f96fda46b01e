// The shared tooltip window of skinned buttons.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/tests/button_windows_win.h"
#include "skin/tooltip_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

BOOL CALLBACK collectToolTip(HWND window, LPARAM out) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == TOOLTIPS_CLASSA) reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
  return TRUE;
}

// The tooltip windows of this thread.
std::vector<HWND> toolTipWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), collectToolTip, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct Tool {
  UINT flags;
  RECT rect;
  std::string text;
};

// The tools of the shared window that belong to this button.
std::vector<Tool> toolsOf(HWND button) {
  std::vector<Tool> tools;
  const HWND tip = toolTipWindow();
  const auto count = SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[1024] = {};
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.lpszText = text;
    if (!SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info))) continue;
    if (info.hwnd == button) tools.push_back({info.uFlags, info.rect, text});
  }
  return tools;
}

struct Buttons : ::testing::Test {
  HWND parent = makeParent();
  SkinButton* first = newSkinButton();
  SkinButton* second = newSkinButton();

  Buttons() {
    first->methods->bind(first, makeButton(parent, 20, 30, 40, 20), nullptr, false);
    second->methods->bind(second, makeButton(parent, 80, 30, 30, 16), nullptr, false);
  }
  ~Buttons() override {
    freeSkinButton(first);
    freeSkinButton(second);
    DestroyWindow(parent);
  }
};

using ToolTips = Buttons;

TEST_F(ToolTips, OneWindowServesEveryButton) {
  first->methods->setToolTip(first, "first", false, false);
  const HWND tip = toolTipWindow();
  ASSERT_NE(tip, nullptr);
  second->methods->setToolTip(second, "second", true, true);
  first->methods->setToolTip(first, "again", true, true);
  EXPECT_EQ(toolTipWindow(), tip);
  EXPECT_EQ(toolTipWindows(), std::vector<HWND>{tip});
  EXPECT_NE(GetWindowLongPtrA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 1024);
}

TEST_F(ToolTips, TheFirstCallAddsTheToolAndLaterOnesOnlyChangeItsText) {
  const HWND button = first->window;
  EXPECT_EQ(readProp(button, keys::toolTips), 0);
  first->methods->setToolTip(first, "Close", false, false);  // atCursor omitted: at the cursor
  EXPECT_EQ(readProp(button, keys::toolTips), 1);
  auto tools = toolsOf(button);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].flags, 0x10u);
  EXPECT_EQ(tools[0].text, "Close");
  EXPECT_EQ(tools[0].rect.left, 0);
  EXPECT_EQ(tools[0].rect.top, 0);
  EXPECT_EQ(tools[0].rect.right, 40);
  EXPECT_EQ(tools[0].rect.bottom, 20);

  // A bigger button and the other placement: the text changes, nothing else.
  SetWindowPos(button, nullptr, 0, 0, 60, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  first->methods->setToolTip(first, "Close the frame", false, true);
  tools = toolsOf(button);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].flags, 0x10u);
  EXPECT_EQ(tools[0].text, "Close the frame");
  EXPECT_EQ(tools[0].rect.right, 40);
  EXPECT_EQ(tools[0].rect.bottom, 20);
}

TEST_F(ToolTips, NotAtTheCursorCentresTheTipForGood) {
  const HWND button = second->window;
  second->methods->setToolTip(second, "one", false, true);
  auto tools = toolsOf(button);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].flags, 0x12u);
  EXPECT_EQ(tools[0].rect.right, 30);
  EXPECT_EQ(tools[0].rect.bottom, 16);
  second->methods->setToolTip(second, "two", true, true);
  tools = toolsOf(button);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].flags, 0x12u);
  EXPECT_EQ(tools[0].text, "two");
}

}  // namespace
