#pragma once
// SkinFontFamily: a record that owns one GDI+ font family. Used inside SkinFont's
// name-based creations.

#include <cstddef>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct SkinFontFamily;

// Method table, in slot order.
struct SkinFontFamilyMethods {
  void (*destroy)(SkinFontFamily* self);  // runs release
  // A new record (made with new) owning a clone of the family; nullptr when the
  // source holds none or cloning fails.
  SkinFontFamily* (*copy)(const SkinFontFamily* self);
  void (*release)(SkinFontFamily* self);  // deletes the family once; then 0
  // The installed family of that name (ANSI text); the GDI+ status.
  GpStatus (*createFromName)(SkinFontFamily* self, const char* name);
  GpFontFamily* (*handle)(const SkinFontFamily* self);
  void (*setHandle)(SkinFontFamily* self, GpFontFamily* family);  // releases the old one first
};
static_assert(sizeof(SkinFontFamilyMethods) == 6 * sizeof(void*));
static_assert(offsetof(SkinFontFamilyMethods, setHandle) == 5 * sizeof(void*));

struct SkinFontFamily {
  const SkinFontFamilyMethods* methods;
  GpFontFamily* family;
};

extern const SkinFontFamilyMethods skinFontFamilyMethods;

// A record with the table and no family.
inline SkinFontFamily makeSkinFontFamily() {
  return {&skinFontFamilyMethods, nullptr};
}

}  // namespace skin
