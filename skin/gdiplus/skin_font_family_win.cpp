#include "skin/gdiplus/skin_font_family_win.h"

#include <string>

#include "skin/gdiplus/ansi_win.h"

namespace skin {
namespace {

void release(SkinFontFamily* self) {
  if (self->family) gdiplusDeleters.deleteFontFamily(self->family);
  self->family = nullptr;
}

void destroy(SkinFontFamily* self) {
  release(self);
}

void setHandle(SkinFontFamily* self, GpFontFamily* family) {
  release(self);
  self->family = family;
}

// A copy owns its own clone, so the two records never delete one family twice.
SkinFontFamily* copy(const SkinFontFamily* self) {
  GpFontFamily* clone = nullptr;
  if (!self->family || GdipCloneFontFamily(self->family, &clone) != Ok) return nullptr;
  return new SkinFontFamily{self->methods, clone};
}

GpStatus createFromName(SkinFontFamily* self, const char* name) {
  const std::wstring wide = ansiToWide(name);
  GpFontFamily* family = nullptr;
  const GpStatus status = GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family);
  setHandle(self, status == Ok ? family : nullptr);
  return status;
}

GpFontFamily* handle(const SkinFontFamily* self) {
  return self->family;
}

}  // namespace

const SkinFontFamilyMethods skinFontFamilyMethods = {
    .destroy = destroy,
    .copy = copy,
    .release = release,
    .createFromName = createFromName,
    .handle = handle,
    .setHandle = setHandle,
};

}  // namespace skin
