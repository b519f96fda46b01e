#pragma once
// SkinFont: a record that owns one GDI+ font.

#include <cstddef>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct SkinFont;

// Method table, in slot order.
struct SkinFontMethods {
  void (*destroy)(SkinFont* self);  // runs release
  // A new record (made with new) owning a clone of the font; nullptr when the
  // source holds none or cloning fails.
  SkinFont* (*copy)(const SkinFont* self);
  void (*release)(SkinFont* self);  // deletes the font once; then 0
  // Family name (ANSI text), size, style bits, unit; the status of GdipCreateFont.
  GpStatus (*createFromName)(SkinFont* self, const char* familyName, REAL size, INT style, INT unit);
  GpStatus (*createFromDC)(SkinFont* self, HDC dc);
  // The font a window answers to WM_GETFONT; the new font, nullptr when none was made.
  GpFont* (*createFromWindow)(SkinFont* self, HWND window);
  // A GDI font's face, style and size in pixels; the new font, nullptr when none
  // was made. A null HFONT changes nothing.
  GpFont* (*createFromFontHandle)(SkinFont* self, HFONT font);
  GpFont* (*handle)(const SkinFont* self);
  void (*setHandle)(SkinFont* self, GpFont* font);  // releases the old one first
  GpStatus (*getStyle)(const SkinFont* self, INT* style);
  GpStatus (*getSize)(const SkinFont* self, REAL* size);
  GpStatus (*getUnit)(const SkinFont* self, INT* unit);
  // The line height on a graphics; takes the GDI+ graphics handle directly.
  GpStatus (*getHeight)(const SkinFont* self, GpGraphics* graphics, REAL* height);
};
static_assert(sizeof(SkinFontMethods) == 13 * sizeof(void*));
static_assert(offsetof(SkinFontMethods, createFromFontHandle) == 6 * sizeof(void*));
static_assert(offsetof(SkinFontMethods, getHeight) == 12 * sizeof(void*));

struct SkinFont {
  const SkinFontMethods* methods;
  GpFont* font;
};

extern const SkinFontMethods skinFontMethods;

// A record with the table and no font.
inline SkinFont makeSkinFont() {
  return {&skinFontMethods, nullptr};
}

}  // namespace skin
