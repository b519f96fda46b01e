#include "skin/gdiplus/tests/png_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin::testing {

GpBitmap* makeBitmap(int width, int height, const PixelFunction& pixel) {
  GpBitmap* bitmap = nullptr;
  EXPECT_EQ(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) GdipBitmapSetPixel(bitmap, x, y, pixel(x, y));
  }
  return bitmap;
}

GpBitmap* makeSolidBitmap(int width, int height, std::uint32_t argb) {
  return makeBitmap(width, height, [argb](int, int) { return argb; });
}

static CLSID pngEncoder() {
  UINT count = 0;
  UINT size = 0;
  GdipGetImageEncodersSize(&count, &size);
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  GdipGetImageEncoders(count, size, codecs);
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(codecs[i].MimeType) == L"image/png") return codecs[i].Clsid;
  }
  ADD_FAILURE() << "no PNG encoder";
  return CLSID{};
}

runtime::Bytes encodePng(GpImage* image) {
  IStream* stream = nullptr;
  EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  const CLSID encoder = pngEncoder();
  EXPECT_EQ(GdipSaveImageToStream(image, stream, &encoder, nullptr), Ok);
  STATSTG stat = {};
  stream->Stat(&stat, STATFLAG_NONAME);
  HGLOBAL block = nullptr;
  GetHGlobalFromStream(stream, &block);
  const auto* at = static_cast<const std::uint8_t*>(GlobalLock(block));
  runtime::Bytes bytes(at, at + stat.cbSize.QuadPart);
  GlobalUnlock(block);
  stream->Release();
  return bytes;
}

runtime::Bytes makePng(int width, int height, const PixelFunction& pixel) {
  GpBitmap* bitmap = makeBitmap(width, height, pixel);
  runtime::Bytes bytes = encodePng(bitmap);
  GdipDisposeImage(bitmap);
  return bytes;
}

std::uint32_t pixelOf(GpImage* image, int x, int y) {
  ARGB argb = 0;
  EXPECT_EQ(GdipBitmapGetPixel(static_cast<GpBitmap*>(image), x, y, &argb), Ok);
  return argb;
}

std::uint32_t imageWidth(GpImage* image) {
  UINT w = 0;
  GdipGetImageWidth(image, &w);
  return w;
}

std::uint32_t imageHeight(GpImage* image) {
  UINT h = 0;
  GdipGetImageHeight(image, &h);
  return h;
}

}  // namespace skin::testing
