#include "runtime/rules.h"

#include <gtest/gtest.h>

#include <climits>

using namespace runtime;

TEST(Clamps, PositionsAndSizesStayWithin32627) {
  struct Case {
    std::int32_t in, position, size;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{100, 100, 100}, Case{-5, -5, 0}, Case{32627, 32627, 32627},
                        Case{32628, 32627, 32627}, Case{32767, 32627, 32627}, Case{-32627, -32627, 0},
                        Case{-32628, -32627, 0}, Case{INT_MAX, 32627, 32627}, Case{INT_MIN, -32627, 0}}) {
    EXPECT_EQ(clampPosition(c.in), c.position) << c.in;
    EXPECT_EQ(clampSize(c.in), c.size) << c.in;
  }
}

TEST(TimerPeriod, NegativeIsZeroAndTheSamePeriodChangesNothing) {
  struct Case {
    std::int32_t current, written;
    std::optional<std::int32_t> result;
  };
  for (const Case& c : {Case{0, 5, 5}, Case{5, 5, std::nullopt}, Case{5, 6, 6}, Case{5, 0, 0}, Case{5, -3, 0},
                        Case{0, -3, std::nullopt}, Case{0, 0, std::nullopt}}) {
    EXPECT_EQ(timerPeriodChange(c.current, c.written), c.result) << c.current << " " << c.written;
  }
}

TEST(HotkeyModifiers, CodesMapToModFlags) {
  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4.
  const std::pair<std::int32_t, std::int32_t> table[] = {{0, 0}, {1, 2}, {2, 4}, {4, 1}, {3, 6},
                                                         {5, 3}, {6, 5}, {7, 7}, {8, 8}, {-1, -1}};
  for (const auto& [code, mods] : table) EXPECT_EQ(hotkeyModifiers(code), mods) << code;
}

TEST(DialogFilter, BarsBecomeNulsAndTheEndIsDoubled) {
  using namespace std::string_literals;
  EXPECT_EQ(dialogFilter(""), "");
  EXPECT_EQ(dialogFilter(".txt"), ".txt\0\0"s);
  EXPECT_EQ(dialogFilter("Text|*.txt"), "Text\0*.txt\0\0"s);
  EXPECT_EQ(dialogFilter("Text|*.txt||"), "Text\0*.txt\0\0"s);
  EXPECT_EQ(dialogFilter("A|*.a|B|*.b"), "A\0*.a\0B\0*.b\0\0"s);
}

TEST(DialogFilter, IndexIsOneBasedAndNegativeGivesTheFirst) {
  EXPECT_EQ(dialogFilterIndex(0), 1);
  EXPECT_EQ(dialogFilterIndex(2), 3);
  EXPECT_EQ(dialogFilterIndex(-4), 1);
  EXPECT_EQ(dialogFilterIndex(INT_MAX), INT_MAX);
}

TEST(DialogDefaultExtension, LosesItsLeadingDot) {
  EXPECT_EQ(dialogDefaultExtension(".txt"), "txt");
  EXPECT_EQ(dialogDefaultExtension("txt"), "txt");
  EXPECT_EQ(dialogDefaultExtension(""), "");
  EXPECT_EQ(dialogDefaultExtension("."), "");
}

TEST(SizingEdge, NamesTheEdgeOrCornerOfTheFrameUnderThePoint) {
  const runtime::Box window{100, 200, 427, 429};  // 327 x 229 with a 4-pixel frame
  const runtime::Box client{104, 204, 423, 425};
  struct Case {
    std::int32_t x, y, edge;
  } cases[] = {
      {100, 300, 10}, {103, 300, 10}, {426, 300, 11}, {423, 300, 11}, {200, 200, 12}, {200, 428, 15},
      {100, 200, 13}, {426, 201, 14}, {101, 428, 16}, {426, 428, 17},
      {104, 300, 0},  {422, 424, 0},   // client area
      {99, 300, 0},   {427, 300, 0},  {200, 429, 0},  // outside the window
  };
  for (const auto& c : cases) EXPECT_EQ(runtime::sizingEdge(window, client, c.x, c.y), c.edge) << c.x << "," << c.y;
}
