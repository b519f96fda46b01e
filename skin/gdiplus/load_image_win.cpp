#include "skin/gdiplus/load_image_win.h"

#include <cstring>

#include "skin/gdiplus/hglobal_stream_win.h"

namespace skin {
namespace {

// Copies rows of 32-bit ARGB pixels from a raster image into an owned bitmap.
bool copyPixels(GpImage* source, GpBitmap* target, UINT width, UINT height) {
  const GpRect all = {0, 0, static_cast<INT>(width), static_cast<INT>(height)};
  BitmapData from = {};
  BitmapData to = {};
  auto* sourceBitmap = static_cast<GpBitmap*>(source);
  if (GdipBitmapLockBits(sourceBitmap, &all, ImageLockModeRead, PixelFormat32bppARGB, &from) != Ok) return false;
  bool copied = false;
  if (GdipBitmapLockBits(target, &all, ImageLockModeWrite, PixelFormat32bppARGB, &to) == Ok) {
    for (UINT y = 0; y < height; ++y) {
      std::memcpy(static_cast<BYTE*>(to.Scan0) + static_cast<ptrdiff_t>(y) * to.Stride,
                  static_cast<const BYTE*>(from.Scan0) + static_cast<ptrdiff_t>(y) * from.Stride, width * 4);
    }
    GdipBitmapUnlockBits(target, &to);
    copied = true;
  }
  GdipBitmapUnlockBits(sourceBitmap, &from);
  return copied;
}

// Renders any other kind of image (a metafile) 1:1 into the owned bitmap.
bool drawInto(GpImage* source, GpBitmap* target, UINT width, UINT height) {
  GpGraphics* graphics = nullptr;
  if (GdipGetImageGraphicsContext(target, &graphics) != Ok) return false;
  const bool drawn =
      GdipDrawImageRectI(graphics, source, 0, 0, static_cast<INT>(width), static_cast<INT>(height)) == Ok;
  GdipDeleteGraphics(graphics);
  return drawn;
}

// A bitmap with its own pixel memory holding the decoded image, or nullptr.
GpImage* detachedCopy(GpImage* decoded) {
  UINT width = 0;
  UINT height = 0;
  GdipGetImageWidth(decoded, &width);
  GdipGetImageHeight(decoded, &height);
  if (width == 0 || height == 0) return nullptr;
  GpBitmap* owned = nullptr;
  if (GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), 0, PixelFormat32bppARGB, nullptr,
                                &owned) != Ok) {
    return nullptr;
  }
  ImageType type = ImageTypeUnknown;
  GdipGetImageType(decoded, &type);
  const bool filled =
      type == ImageTypeBitmap ? copyPixels(decoded, owned, width, height) : drawInto(decoded, owned, width, height);
  if (!filled) {
    GdipDisposeImage(owned);
    return nullptr;
  }
  REAL dpiX = 0;
  REAL dpiY = 0;
  if (GdipGetImageHorizontalResolution(decoded, &dpiX) == Ok && GdipGetImageVerticalResolution(decoded, &dpiY) == Ok &&
      dpiX > 0 && dpiY > 0) {
    GdipBitmapSetResolution(owned, dpiX, dpiY);
  }
  return owned;
}

}  // namespace

GpImage* loadImageFromBytes(const runtime::Bytes& bytes) {
  // Decoded from a private copy of the bytes, never from the caller's block.
  HGlobalStream stream = makeHGlobalStream();
  GpImage* result = nullptr;
  if (stream.methods->create(&stream, bytes, true)) {
    GpImage* decoded = nullptr;
    if (GdipLoadImageFromStream(stream.stream, &decoded) == Ok && decoded) {
      result = detachedCopy(decoded);
      GdipDisposeImage(decoded);  // before the stream: the image may still read it
    }
  }
  stream.methods->destroy(&stream);
  return result;
}

}  // namespace skin
