#include "skin/button_paint_win.h"

#include "skin/button_placement.h"
#include "skin/child_paint_win.h"
#include "skin/codes.h"
#include "skin/gdiplus/gdiplus_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"

namespace skin {

namespace {

SIZE windowSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// A memory DC with a bitmap selected into it; the bitmap's earlier occupant is
// put back before the DC goes.
class MemoryDc {
 public:
  MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), replaced_(SelectObject(dc_, bitmap)) {}
  ~MemoryDc() {
    SelectObject(dc_, replaced_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ replaced_;
};

}  // namespace

HBITMAP cacheBackground(HWND button, HDC dc) {
  const SIZE size = windowSize(button);
  if (const auto old = reinterpret_cast<HBITMAP>(readProp(button, keys::cacheBitmap))) DeleteObject(old);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
  {
    MemoryDc mem(dc, bitmap);
    BitBlt(mem.get(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  }
  writeProp(button, keys::cacheBitmap, reinterpret_cast<std::intptr_t>(bitmap));
  return bitmap;
}

void drawButton(HWND button, HDC dc) {
  const auto cache = reinterpret_cast<HBITMAP>(readProp(button, keys::cacheBitmap));
  if (!cache) return;  // not painted yet: no background to draw over
  const SIZE size = windowSize(button);
  const int w = size.cx, h = size.cy;
  const HDC target = dc ? dc : GetWindowDC(button);

  // Composed off screen and shown in one blit, so the button never flickers
  // through its bare background.
  const HBITMAP bitmap = CreateCompatibleBitmap(target, w, h);
  {
    MemoryDc mem(target, bitmap);
    GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(mem.get(), &graphics);

    GpBitmap* background = nullptr;
    GdipCreateBitmapFromHBITMAP(cache, nullptr, &background);
    GdipDrawImageRectI(graphics, background, 0, 0, w, h);
    GdipDisposeImage(background);

    if (GpImage* image = stateImage(button, readDrawState(button))) {
      REAL iw = 0, ih = 0;
      GdipGetImageDimension(image, &iw, &ih);
      const ImageRect place = buttonImagePlacement(readInt(button, keys::backType), iw, ih, w, h);
      GdipDrawImageRect(graphics, image, place.x, place.y, place.width, place.height);
    }
    // Deleted before the blit: that finishes whatever GDI+ still holds back.
    GdipDeleteGraphics(graphics);
    BitBlt(target, 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
  }
  DeleteObject(bitmap);
  if (!dc) ReleaseDC(button, target);
}

}  // namespace skin
