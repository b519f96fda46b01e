#include <gtest/gtest.h>

#include "skin/color.h"

using skin::toArgb;

TEST(ToArgb, MovesRedUpAndBlueDownUnderTheAlpha) {
  const struct {
    std::int32_t colour, alpha;
    std::uint32_t argb;
  } cases[] = {
      {0x00FF8040, 128, 0x804080FF},   {0, 255, 0xFF000000},
      {-1, 255, 0xFFFFFFFF},           {0x12FF8040, 255, 0xFF4080FF},  // the colour's top byte is ignored
      {0x00FF8040, 256, 0x004080FF},                                   // alpha bits above the low 8 fall off
      {0x00FF8040, 0x1FF, 0xFF4080FF}, {0x000000FF, 0, 0x00FF0000},    // pure red
      {0x00FF0000, -1, 0xFF0000FF},                                    // pure blue; alpha -1 keeps its low 8 bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toArgb(c.colour, c.alpha), c.argb) << std::hex << c.colour << " " << c.alpha;
  }
}
