#include "skin/gdiplus/skin_font_win.h"

#include <cstring>

#include "skin/gdiplus/font_style.h"
#include "skin/gdiplus/skin_font_family_win.h"

namespace skin {
namespace {

constexpr INT unitPixel = 2;

void release(SkinFont* self) {
  if (self->font) gdiplusDeleters.deleteFont(self->font);
  self->font = nullptr;
}

void destroy(SkinFont* self) {
  release(self);
}

void setHandle(SkinFont* self, GpFont* font) {
  release(self);
  self->font = font;
}

// A copy owns its own clone, so the two records never delete one font twice.
SkinFont* copy(const SkinFont* self) {
  GpFont* clone = nullptr;
  if (!self->font || GdipCloneFont(self->font, &clone) != Ok) return nullptr;
  return new SkinFont{self->methods, clone};
}

// GdipCreateFont on a temporary family of that name, deleted again at once.
GpStatus createFont(const char* familyName, REAL size, INT style, INT unit, GpFont** font) {
  // Windows refuses a size that is not positive; Wine would make a font of it.
  if (!(size > 0)) return InvalidParameter;
  SkinFontFamily family = makeSkinFontFamily();
  family.methods->createFromName(&family, familyName);
  const GpStatus status = GdipCreateFont(family.family, size, style, static_cast<Unit>(unit), font);
  family.methods->destroy(&family);
  return status;
}

GpStatus createFromName(SkinFont* self, const char* familyName, REAL size, INT style, INT unit) {
  GpFont* font = nullptr;
  const GpStatus status = createFont(familyName, size, style, unit, &font);
  setHandle(self, status == Ok ? font : nullptr);
  return status;
}

GpStatus createFromDC(SkinFont* self, HDC dc) {
  GpFont* font = nullptr;
  const GpStatus status = GdipCreateFontFromDC(dc, &font);
  setHandle(self, status == Ok ? font : nullptr);
  return status;
}

GpFont* createFromFontHandle(SkinFont* self, HFONT gdiFont) {
  if (!gdiFont) return nullptr;
  LOGFONTA record;
  std::memset(&record, 0, sizeof record);
  GetObjectA(gdiFont, sizeof record, &record);  // a failure leaves the record zero
  const INT style = fontStyleFromLogFont(record.lfWeight, record.lfItalic, record.lfUnderline, record.lfStrikeOut);
  char face[LF_FACESIZE + 1] = {};
  std::memcpy(face, record.lfFaceName, LF_FACESIZE);  // up to the first NUL, at most 32 bytes
  GpFont* font = nullptr;
  const GpStatus status = createFont(face, fontSizeFromHeight(record.lfHeight), style, unitPixel, &font);
  setHandle(self, status == Ok ? font : nullptr);
  return self->font;
}

GpFont* createFromWindow(SkinFont* self, HWND window) {
  const auto gdiFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return createFromFontHandle(self, gdiFont);
}

GpFont* handle(const SkinFont* self) {
  return self->font;
}

GpStatus getStyle(const SkinFont* self, INT* style) {
  return GdipGetFontStyle(self->font, style);
}

GpStatus getSize(const SkinFont* self, REAL* size) {
  return GdipGetFontSize(self->font, size);
}

GpStatus getUnit(const SkinFont* self, INT* unit) {
  Unit u = UnitWorld;
  const GpStatus status = GdipGetFontUnit(self->font, &u);
  if (status == Ok) *unit = static_cast<INT>(u);
  return status;
}

GpStatus getHeight(const SkinFont* self, GpGraphics* graphics, REAL* height) {
  return GdipGetFontHeight(self->font, graphics, height);
}

}  // namespace

const SkinFontMethods skinFontMethods = {
    .destroy = destroy,
    .copy = copy,
    .release = release,
    .createFromName = createFromName,
    .createFromDC = createFromDC,
    .createFromWindow = createFromWindow,
    .createFromFontHandle = createFromFontHandle,
    .handle = handle,
    .setHandle = setHandle,
    .getStyle = getStyle,
    .getSize = getSize,
    .getUnit = getUnit,
    .getHeight = getHeight,
};

}  // namespace skin
