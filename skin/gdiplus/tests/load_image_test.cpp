#include <gtest/gtest.h>

#include "skin/gdiplus/load_image_win.h"
#include "skin/gdiplus/tests/png_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

std::uint32_t closeButtonLike(int x, int y) {
  // Rows of differing alpha and a diagonal, so a shifted or flipped copy shows.
  const std::uint32_t alpha = static_cast<std::uint32_t>(y * 12) & 0xFF;
  return x == y ? 0xFFFFFFFF : (alpha << 24) | (static_cast<std::uint32_t>(x) << 16) | 0x00003000u | 0x40u;
}

}  // namespace

TEST(LoadImageFromBytes, DecodesAPngToItsSizeAndPixels) {
  const runtime::Bytes png = makePng(39, 20, closeButtonLike);
  GpImage* image = loadImageFromBytes(png);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(imageWidth(image), 39u);
  EXPECT_EQ(imageHeight(image), 20u);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 39; ++x) ASSERT_EQ(pixelOf(image, x, y), closeButtonLike(x, y)) << x << "," << y;
  }
  GdipDisposeImage(image);
}

// The image owns its pixels: it is a plain bitmap, readable after the bytes it
// came from are gone.
TEST(LoadImageFromBytes, TheImageOutlivesItsBytes) {
  GpImage* image = nullptr;
  {
    runtime::Bytes png = makePng(7, 5, [](int, int) { return 0x80FF0000u; });
    image = loadImageFromBytes(png);
    png.assign(png.size(), 0);
  }
  ASSERT_NE(image, nullptr);
  PixelFormat format = 0;
  GdipGetImagePixelFormat(image, &format);
  EXPECT_EQ(format, PixelFormat32bppARGB);
  EXPECT_EQ(pixelOf(image, 6, 4), 0x80FF0000u);
  GdipDisposeImage(image);
}

TEST(LoadImageFromBytes, GivesNothingForNoOrUndecodableBytes) {
  const std::string text = "This is not an image, only some text bytes.";
  EXPECT_EQ(loadImageFromBytes(runtime::Bytes{}), nullptr);
  EXPECT_EQ(loadImageFromBytes(runtime::Bytes(text.begin(), text.end())), nullptr);
  runtime::Bytes cut = makePng(39, 20, closeButtonLike);
  cut.resize(20);
  EXPECT_EQ(loadImageFromBytes(cut), nullptr);
}
