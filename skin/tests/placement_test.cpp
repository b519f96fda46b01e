#include <gtest/gtest.h>

#include "skin/placement.h"

using namespace skin;

TEST(FitSize, ShrinksKeepingTheAspectRatioAndCentres) {
  const struct {
    std::int32_t iw, ih, bw, bh;
    PixelSize fit;
    double ox, oy;  // the offsets of the fitted image in the box
  } cases[] = {
      {100, 50, 40, 40, {40, 20}, 0, 10}, {30, 90, 40, 40, {13, 40}, 13, 0},
      {20, 10, 40, 40, {20, 10}, 10, 15},  // never enlarged
      {80, 80, 40, 20, {20, 20}, 10, 0},  {329, 195, 100, 100, {100, 59}, 0, 20},
      {40, 40, 40, 40, {40, 40}, 0, 0},   {41, 40, 40, 40, {40, 39}, 0, 0},  // 39.02 truncated
      {0, 0, 40, 40, {0, 0}, 20, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.iw << "x" << c.ih << " in " << c.bw << "x" << c.bh);
    EXPECT_EQ(fitSize(c.iw, c.ih, c.bw, c.bh), c.fit);
    const ImagePlacement p = imagePlacement(2, c.iw, c.ih, c.bw, c.bh);
    EXPECT_FALSE(p.cropped);
    EXPECT_EQ(p.x, c.ox);
    EXPECT_EQ(p.y, c.oy);
    EXPECT_EQ(p.width, c.fit.width);
    EXPECT_EQ(p.height, c.fit.height);
  }
}

TEST(ImagePlacement, ByBackType) {
  const struct {
    std::int32_t backType;
    double iw, ih;
    std::int32_t cw, ch;
    ImagePlacement placement;
  } cases[] = {
      // Natural: own size at the top-left
      {0, 39, 20, 39, 20, {false, 39, 20, 0, 0, 39, 20}},
      {0, 20, 10, 39, 20, {false, 20, 10, 0, 0, 20, 10}},
      // Natural, larger than the child: the child-sized top-left part, 1:1
      {0, 50, 20, 39, 20, {true, 39, 20, 0, 0, 39, 20}},
      {0, 50, 10, 39, 20, {true, 39, 10, 0, 0, 39, 10}},
      {0, 30, 25, 39, 20, {true, 30, 20, 0, 0, 30, 20}},
      {0, 39.00000001, 20, 39, 20, {false, 39.00000001, 20, 0, 0, 39.00000001, 20}},  // within the tolerance
      {7, 50, 20, 39, 20, {true, 39, 20, 0, 0, 39, 20}},                              // unknown codes are natural
      // Stretch: exactly the child
      {1, 50, 20, 39, 20, {false, 50, 20, 0, 0, 39, 20}},
      {1, 5, 5, 39, 20, {false, 5, 5, 0, 0, 39, 20}},
      // Fit, with the image's dimensions truncated
      {2, 100.9, 50.9, 40, 40, {false, 100.9, 50.9, 0, 10, 40, 20}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(imagePlacement(c.backType, c.iw, c.ih, c.cw, c.ch), c.placement)
        << c.backType << " " << c.iw << "x" << c.ih << " in " << c.cw << "x" << c.ch;
  }
}

TEST(EditTextLayout, IsInsetByTwoAndTheLengthDropsTheTerminator) {
  EXPECT_EQ(editTextLayout(10, 20, 100, 24), (TextLayout{12, 22, 96, 20}));
  EXPECT_EQ(editTextLayout(-3, 0, 4, 4), (TextLayout{-1, 2, 0, 0}));
  EXPECT_EQ(utf16Length(8), 3);  // "abc" and its NUL
  EXPECT_EQ(utf16Length(2), 0);
}

TEST(CaretLineTop, IsRightOfTheCaretAndCentredInTheEditBox) {
  EXPECT_EQ(caretLineTop(10, 20, 24, 0), (PixelPoint{15, 26}));
  EXPECT_EQ(caretLineTop(10, 20, 25, 7), (PixelPoint{22, 26}));  // 26.5 truncated
  EXPECT_EQ(caretLineTop(0, 0, 5, 0), (PixelPoint{5, -3}));      // -3.5 truncated toward zero
  EXPECT_EQ(caretLineTop(0, 0, 11, 0), (PixelPoint{5, 0}));      // -0.5 truncated toward zero
}
