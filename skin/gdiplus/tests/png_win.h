#pragma once
// Test images made at run time: bitmaps drawn pixel by pixel and encoded to PNG
// by GDI+ itself.

#include <cstdint>
#include <functional>

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin::testing {

using PixelFunction = std::function<std::uint32_t(int x, int y)>;  // ARGB, straight alpha

// A 32-bit ARGB bitmap with the given pixels; the caller disposes of it.
GpBitmap* makeBitmap(int width, int height, const PixelFunction& pixel);
GpBitmap* makeSolidBitmap(int width, int height, std::uint32_t argb);

// The bitmap encoded as PNG.
runtime::Bytes encodePng(GpImage* image);
runtime::Bytes makePng(int width, int height, const PixelFunction& pixel);

// The straight-alpha pixel of a bitmap.
std::uint32_t pixelOf(GpImage* image, int x, int y);
std::uint32_t imageWidth(GpImage* image);
std::uint32_t imageHeight(GpImage* image);

}  // namespace skin::testing
