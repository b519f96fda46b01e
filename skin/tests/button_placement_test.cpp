#include <gtest/gtest.h>

#include <cstdint>

#include "skin/button_placement.h"

using namespace skin;

namespace {

TEST(ButtonImagePlacementTest, ByBackType) {
  struct Row {
    std::int32_t backType;
    float iw, ih;
    std::int32_t w, h;
    ImageRect expected;
  };
  const Row rows[] = {
      // Natural (and any unknown code): own size at the top-left, also when larger.
      {0, 60, 30, 40, 20, {0, 0, 60, 30}},
      {0, 20, 10, 40, 20, {0, 0, 20, 10}},
      {9, 60, 30, 40, 20, {0, 0, 60, 30}},
      {-1, 20, 10, 40, 20, {0, 0, 20, 10}},
      // Stretch: the button's size whatever the image.
      {1, 60, 30, 40, 20, {0, 0, 40, 20}},
      {1, 5, 50, 40, 20, {0, 0, 40, 20}},
      // Fit: shrunk and centred, leaning left and up on an odd leftover.
      {2, 100, 50, 40, 40, {0, 10, 40, 20}},
      {2, 20, 10, 40, 40, {10, 15, 20, 10}},
      {2, 30, 90, 40, 40, {13, 0, 13, 40}},
      {2, 80, 80, 40, 20, {10, 0, 20, 20}},
      {2, 329, 195, 100, 100, {0, 20, 100, 59}},
      {2, 20.9f, 10.9f, 41, 41, {10, 15, 20, 10}},  // image sizes truncated first
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "backType " << r.backType << " image " << r.iw << "x" << r.ih << " in " << r.w
                                      << "x" << r.h);
    const ImageRect got = buttonImagePlacement(r.backType, r.iw, r.ih, r.w, r.h);
    EXPECT_EQ(got.x, r.expected.x);
    EXPECT_EQ(got.y, r.expected.y);
    EXPECT_EQ(got.width, r.expected.width);
    EXPECT_EQ(got.height, r.expected.height);
  }
}

}  // namespace
