#include "skin/compositor_win.h"

#include "skin/child_paint_win.h"
#include "skin/codes.h"
#include "skin/color.h"
#include "skin/gdiplus/scoped_win.h"
#include "skin/keys.h"
#include "skin/placement.h"
#include "skin/props_win.h"

namespace skin {

SkinFocus skinFocus = {};

namespace {

PresentObserver& observer() {
  static PresentObserver o;
  return o;
}

UINT_PTR setTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC proc) {
  return SetTimer(window, id, period, proc);
}

SIZE outerSize(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

TimerStarter startBlinkTimer = setTimer;

void setPresentObserver(PresentObserver o) {
  observer() = std::move(o);
}

void compose(HWND window) {
  const SIZE size = outerSize(window);
  // The library allocates the pixels, all transparent. A window of no width or
  // height gets no canvas and so no presentation.
  GpBitmap* canvas = nullptr;
  GdipCreateBitmapFromScan0(size.cx, size.cy, 0, PixelFormat32bppARGB, nullptr, &canvas);
  if (canvas) {
    GpGraphics* graphics = nullptr;
    GdipGetImageGraphicsContext(canvas, &graphics);
    const UniqueGraphics g(graphics);
    if (auto* back = reinterpret_cast<GpImage*>(readProp(window, keys::backImage))) {
      REAL cw = 0;
      REAL ch = 0;
      GdipGetImageDimension(canvas, &cw, &ch);
      GdipDrawImageRect(g.get(), back, 0, 0, cw, ch);  // stretched to exactly the window
    }
    // The top of the z-order first: each later child paints over the earlier ones.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (readProp(child, keys::type)) paintChild(window, child, g.get());
    }
    present(window, canvas, false);
  }
  if (window == skinFocus.focusedParent) {
    // Kept for the caret blink, which presents it again instead of recomposing.
    if (skinFocus.keptCanvas) GdipDisposeImage(skinFocus.keptCanvas);
    skinFocus.keptCanvas = canvas;
  } else if (canvas) {
    GdipDisposeImage(canvas);
  }
}

void present(HWND window, GpImage* image, bool drawCaret) {
  if (!IsWindow(window) || !image) return;
  const SIZE size = outerSize(window);
  const WindowDc windowDc(window);
  const UniqueMemoryDc memory(CreateCompatibleDC(windowDc.get()));

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(size.cx * size.cy * 32 / 8);
  void* bits = nullptr;
  const UniqueBitmapHandle surface(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const Selection selected(memory.get(), surface.get());

  {
    // GDI+ turns the straight-alpha canvas into the premultiplied pixels a
    // per-pixel-alpha layered update expects.
    GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(memory.get(), &graphics);
    const UniqueGraphics g(graphics);
    UINT iw = 0;
    UINT ih = 0;
    GdipGetImageHeight(image, &ih);
    GdipGetImageWidth(image, &iw);
    GdipDrawImageRect(g.get(), image, 0, 0, static_cast<REAL>(iw), static_cast<REAL>(ih));
    if (drawCaret) drawCaretLine(window, skinFocus.focusedEdit, g.get());
  }

  if (observer()) {
    GdiFlush();
    observer()({window, image, drawCaret, static_cast<int>(size.cx), static_cast<int>(size.cy),
                surface ? static_cast<const std::uint32_t*>(bits) : nullptr});
  }

  SIZE extent = size;
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // The result is of no use: a failed update leaves the last picture.
  UpdateLayeredWindow(window, windowDc.get(), nullptr, &extent, memory.get(), &source, 0, &blend, ULW_ALPHA);
}

void drawCaretLine(HWND window, HWND edit, GpGraphics* graphics) {
  RECT r = {};
  GetWindowRect(edit, &r);
  POINT corner = {r.left, r.top};
  ScreenToClient(window, &corner);
  POINT caret = {};
  GetCaretPos(&caret);  // in the edit box's client coordinates: it owns the caret while focused
  const PixelPoint top = caretLineTop(corner.x, corner.y, r.bottom - r.top, caret.x);
  const UniquePen line = pen(toArgb(0, 255), 1.0f);
  GdipDrawLineI(graphics, line.get(), top.x, top.y, top.x, top.y + caretLineLength);
}

void CALLBACK onBlinkTimer(HWND window, UINT, UINT_PTR timerId, DWORD) {
  if (timerId != static_cast<UINT_PTR>(blinkTimerId)) return;
  if (window != skinFocus.focusedParent || !skinFocus.focusedEdit || !skinFocus.keptCanvas) return;
  skinFocus.caretPhase = (skinFocus.caretPhase & 1) ^ 1;
  present(skinFocus.focusedParent, skinFocus.keptCanvas, skinFocus.caretPhase != 0);
}

}  // namespace skin
