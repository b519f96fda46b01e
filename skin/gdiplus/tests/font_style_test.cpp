#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "skin/gdiplus/font_style.h"

using namespace skin;

TEST(FontStyleFromLogFont, BoldOnlyAt600And700AndFlagsOnlyForTheByte1) {
  const struct {
    std::int32_t weight;
    std::uint8_t italic, underline, strikeOut;
    int style;
  } cases[] = {
      {700, 1, 0, 0, 3},   {600, 0, 0, 0, 1},   {800, 0, 0, 0, 0}, {900, 0, 0, 0, 0},  {400, 0, 0, 0, 0},
      {699, 0, 0, 0, 0},   {0, 0, 1, 0, 4},     {0, 0, 0, 1, 8},   {700, 1, 1, 1, 15}, {400, 255, 0, 0, 0},
      {400, 0, 255, 0, 0}, {400, 0, 0, 255, 0}, {400, 2, 2, 2, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fontStyleFromLogFont(c.weight, c.italic, c.underline, c.strikeOut), c.style)
        << c.weight << " " << int(c.italic) << " " << int(c.underline) << " " << int(c.strikeOut);
  }
}

TEST(FontSizeFromHeight, IsTheAbsoluteHeight) {
  EXPECT_EQ(fontSizeFromHeight(-12), 12.0f);
  EXPECT_EQ(fontSizeFromHeight(12), 12.0f);
  EXPECT_EQ(fontSizeFromHeight(0), 0.0f);
  EXPECT_EQ(fontSizeFromHeight(std::numeric_limits<std::int32_t>::min()), 2147483648.0f);
}
