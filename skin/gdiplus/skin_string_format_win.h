#pragma once
// SkinStringFormat: a record that owns one GDI+ string format.

#include <cstddef>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct SkinStringFormat;

// Method table, in slot order.
struct SkinStringFormatMethods {
  void (*destroy)(SkinStringFormat* self);  // runs release
  // A new record (made with new) owning a clone of the format; nullptr when the
  // source holds none or cloning fails.
  SkinStringFormat* (*copy)(const SkinStringFormat* self);
  void (*release)(SkinStringFormat* self);  // deletes the format once; then 0
  // Format flags and language, each optional with its given flag (0 when omitted).
  void (*create)(SkinStringFormat* self, INT flags, bool flagsGiven, LANGID language, bool languageGiven);
  void (*setAlignment)(SkinStringFormat* self, INT alignment);      // 0 near, 1 centre, 2 far
  void (*setLineAlignment)(SkinStringFormat* self, INT alignment);  // the same, vertically
  void (*setAlignments)(SkinStringFormat* self, INT alignment, INT lineAlignment);
  void (*setHandle)(SkinStringFormat* self, GpStringFormat* format);  // releases the old one first
  GpStringFormat* (*handle)(const SkinStringFormat* self);
};
static_assert(sizeof(SkinStringFormatMethods) == 9 * sizeof(void*));
static_assert(offsetof(SkinStringFormatMethods, setHandle) == 7 * sizeof(void*));

struct SkinStringFormat {
  const SkinStringFormatMethods* methods;
  GpStringFormat* format;
};

extern const SkinStringFormatMethods skinStringFormatMethods;

// A record with the table and no format.
inline SkinStringFormat makeSkinStringFormat() {
  return {&skinStringFormatMethods, nullptr};
}

}  // namespace skin
