#include <gtest/gtest.h>

#include "app/capture.h"

using app::computeCapture;
using app::formatCaptureLine;

TEST(ComputeCapture, ScalesTheCursorIntoChartUnits) {
  struct Case {
    const char* what;
    std::int32_t left, top, width, height, sampleX, sampleY, xAxis, yAxis;
    std::int32_t x, y;
  } cases[] = {
      {"worked example", 100, 200, 400, 300, 300, 350, 10, 20, 5, 10},
      {"left of the frame rounds down", 100, 200, 400, 300, 99, 350, 10, 20, -1, 10},
      {"below the frame rounds down", 100, 200, 400, 300, 300, 501, 10, 20, 5, -1},
      {"half a unit left is -1", 0, 0, 400, 300, -20, 0, 10, 20, -1, 20},
      {"left column is 0", 100, 200, 400, 300, 100, 350, 10, 20, 0, 10},
      {"last row has dy 1", 100, 200, 400, 300, 100, 499, 400, 300, 0, 1},
      {"top row has dy height", 100, 200, 400, 300, 100, 200, 400, 300, 0, 300},
      {"the row below the frame is 0", 100, 200, 400, 300, 499, 500, 400, 300, 399, 0},
      {"right column stays below the axis", 100, 200, 400, 300, 499, 200, 10, 20, 9, 20},
      {"width 0 gives 0", 100, 200, 0, 300, 300, 350, 10, 20, 0, 10},
      {"height 0 gives 0", 100, 200, 400, 0, 300, 350, 10, 20, 5, 0},
      {"axis 0 gives 0", 100, 200, 400, 300, 350, 250, 0, 0, 0, 0},
      {"negative axis", 0, 0, 100, 100, 50, 50, -10, -10, -5, -5},
      // 200 * 2^31-1 / 400 = 1073741823.5 fits; 1000 * (2^31-1) / 10 does not and wraps.
      {"large axis fits", 0, 0, 400, 300, 200, 0, 2147483647, 0, 1073741823, 0},
      {"results beyond int32 wrap", 0, 0, 10, 10, 1000, -990, 2147483647, 2147483647, -100, -100},
  };
  for (const auto& c : cases) {
    const auto p = computeCapture(c.left, c.top, c.width, c.height, c.sampleX, c.sampleY, c.xAxis, c.yAxis);
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
  }
}

TEST(FormatCaptureLine, IsDecimalSpaceDecimalCrLf) {
  EXPECT_EQ(formatCaptureLine(5, 10), "5 10\r\n");
  EXPECT_EQ(formatCaptureLine(0, 0), "0 0\r\n");
  EXPECT_EQ(formatCaptureLine(-3, -2147483647 - 1), "-3 -2147483648\r\n");
  // Two captures on an empty file make the 14-byte example.
  const auto file = formatCaptureLine(12, 340) + formatCaptureLine(-3, 0);
  EXPECT_EQ(file, "12 340\r\n-3 0\r\n");
  EXPECT_EQ(file.size(), 14u);
}
