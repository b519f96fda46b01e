#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/codes.h"
#include "skin/keys.h"

using namespace skin;

// Host code sets its controls' state under these texts, so they are checked
// letter for letter, misspellings included.
TEST(Keys, AreTheTextsHostCodeUses) {
  const struct {
    const char* key;
    const char* text;
  } cases[] = {
      {keys::time, "PngControl_Time"},
      {keys::backImage, "PngControl_BackImage"},
      {keys::type, "PngControl_Type"},
      {keys::backType, "PngControl_BackType"},
      {keys::backColor, "PngControl_BackColor"},
      {keys::backAlpha, "PngControl_BackAlpha"},
      {keys::orderColor, "PngControl_OrderColor"},
      {keys::orderAlpha, "PngControl_OrderAlpha"},
      {keys::textColor, "PngControl_TextColor"},
      {keys::drawState, "Orvex_DrawState"},
      {keys::normalImage, "PngControl_NormalImage"},
      {keys::overlImage, "PngControl_OverlImage"},
      {keys::downImage, "PngControl_DownImage"},
      {keys::disableImage, "PngControl_DisableImage"},
      {keys::wndProc, "PngControl_WndProc"},
      {keys::childWndProc, "PngControl_ChildWndProc"},
      {keys::cacheBitmap, "PngControl_CacheBitmap"},
      {keys::isFoucs, "PngControl_IsFoucs"},
      {keys::toolTips, "Orvex_ToolTips"},
  };
  std::set<std::string> distinct;
  for (const auto& c : cases) {
    EXPECT_STREQ(c.key, c.text);
    distinct.insert(c.key);
  }
  EXPECT_EQ(distinct.size(), std::size(cases));
}

TEST(Codes, HaveTheValuesStoredUnderTheKeys) {
  EXPECT_EQ(code(ControlType::Picture), 2);
  EXPECT_EQ(code(ControlType::Button), 3);
  EXPECT_EQ(code(ControlType::EditBox), 4);
  EXPECT_EQ(code(BackType::Natural), 0);
  EXPECT_EQ(code(BackType::Stretch), 1);
  EXPECT_EQ(code(BackType::Fit), 2);
  EXPECT_EQ(code(DrawState::Normal), 0);
  EXPECT_EQ(code(DrawState::Over), 1);
  EXPECT_EQ(code(DrawState::Down), 2);
  EXPECT_EQ(code(DrawState::Disabled), 3);
  EXPECT_EQ(blinkTimerId, 64);
}
