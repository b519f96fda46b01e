#include "skin/child_paint_win.h"

#include <vector>

#include "skin/codes.h"
#include "skin/color.h"
#include "skin/gdiplus/scoped_win.h"
#include "skin/gdiplus/skin_font_win.h"
#include "skin/gdiplus/skin_string_format_win.h"
#include "skin/keys.h"
#include "skin/placement.h"
#include "skin/props_win.h"

namespace skin {
namespace {

constexpr std::int32_t noColour = -1;
constexpr INT noWrapNoFitBlackBox = 0x1004;

GpImage* readImage(HWND window, const char* key) {
  return reinterpret_cast<GpImage*>(readProp(window, key));
}

void fill(HWND child, GpGraphics* g, INT x, INT y, INT w, INT h) {
  const std::int32_t colour = readInt(child, keys::backColor);
  if (colour == noColour) return;
  const UniqueBrush brush = solidBrush(toArgb(colour, readInt(child, keys::backAlpha)));
  GdipFillRectangleI(g, brush.get(), x, y, w, h);
}

void border(HWND child, GpGraphics* g, INT x, INT y, INT w, INT h) {
  const std::int32_t colour = readInt(child, keys::orderColor);
  if (colour == noColour) return;
  const UniquePen line = pen(toArgb(colour, readInt(child, keys::orderAlpha)), 1.0f);
  // The outline's right and bottom sides lie one pixel past the child.
  GdipDrawRectangleI(g, line.get(), x, y, w, h);
}

void text(HWND child, GpGraphics* g, INT x, INT y, INT w, INT h) {
  const runtime::Text ansi = windowTextAnsi(child);
  if (ansi.empty()) return;
  const runtime::Bytes wide = toUtf16(ansi);
  if (wide.size() < 2) return;
  const TextLayout layout = editTextLayout(x, y, w, h);
  const RectF rect(layout.x, layout.y, layout.width, layout.height);

  SkinFont font = makeSkinFont();
  const DestroyOnExit<SkinFont> fontGoes(font);
  font.methods->createFromWindow(&font, child);  // no font: the string draws nothing
  SkinStringFormat format = makeSkinStringFormat();
  const DestroyOnExit<SkinStringFormat> formatGoes(format);
  format.methods->create(&format, noWrapNoFitBlackBox, true, 0, true);
  format.methods->setAlignments(&format, StringAlignmentNear, StringAlignmentCenter);
  const UniqueBrush brush = solidBrush(toArgb(readInt(child, keys::textColor), 255));  // text always opaque

  GdipDrawString(g, reinterpret_cast<const WCHAR*>(wide.data()), utf16Length(wide.size()), font.methods->handle(&font),
                 &rect, format.methods->handle(&format), brush.get());
}

}  // namespace

std::int32_t readDrawState(HWND child) {
  return readInt(child, keys::drawState);
}

GpImage* stateImage(HWND child, std::int32_t state) {
  GpImage* image = nullptr;
  switch (state) {
    case code(DrawState::Over):
      image = readImage(child, keys::overlImage);
      break;
    case code(DrawState::Down):
      image = readImage(child, keys::downImage);
      break;
    case code(DrawState::Disabled):
      image = readImage(child, keys::disableImage);
      break;
    default:
      break;
  }
  return image ? image : readImage(child, keys::normalImage);
}

runtime::Text windowTextAnsi(HWND child) {
  const int n = GetWindowTextLengthA(child);
  if (n <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(child, buffer.data(), n + 1);
  return runtime::Text(buffer.data());
}

runtime::Bytes toUtf16(const runtime::Text& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  runtime::Bytes block(static_cast<size_t>(n) * 2, 0);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, reinterpret_cast<WCHAR*>(block.data()), n);
  return block;
}

void paintChild(HWND window, HWND child, GpGraphics* g) {
  RECT r = {};
  GetWindowRect(child, &r);
  const INT cw = r.right - r.left;
  const INT ch = r.bottom - r.top;
  POINT corner = {r.left, r.top};
  ScreenToClient(window, &corner);  // client coordinates, used as canvas coordinates
  const INT px = corner.x;
  const INT py = corner.y;
  const std::int32_t type = readInt(child, keys::type);

  GpImage* image = nullptr;
  if (type == code(ControlType::Picture)) {
    image = readImage(child, keys::backImage);
  } else if (type == code(ControlType::Button)) {
    image = stateImage(child, readDrawState(child));
  } else if (type == code(ControlType::EditBox)) {
    image = readImage(child, keys::backImage);
    fill(child, g, px, py, cw, ch);
  }

  if (image) {
    REAL iw = 0;
    REAL ih = 0;
    GdipGetImageDimension(image, &iw, &ih);
    const ImagePlacement place = imagePlacement(readInt(child, keys::backType), iw, ih, cw, ch);
    if (place.cropped) {
      // Source and destination of one size: drawn 1:1 whatever the image's DPI.
      GdipDrawImageRectRect(g, image, static_cast<REAL>(px), static_cast<REAL>(py), static_cast<REAL>(place.width),
                            static_cast<REAL>(place.height), 0, 0, static_cast<REAL>(place.sourceWidth),
                            static_cast<REAL>(place.sourceHeight), UnitPixel, nullptr, nullptr, nullptr);
      return;  // an edit box cut like this gets no border and no text
    }
    GdipDrawImageRect(g, image, static_cast<REAL>(px + place.x), static_cast<REAL>(py + place.y),
                      static_cast<REAL>(place.width), static_cast<REAL>(place.height));
  }

  if (type == code(ControlType::EditBox)) {
    border(child, g, px, py, cw, ch);
    text(child, g, px, py, cw, ch);
  }
}

}  // namespace skin
