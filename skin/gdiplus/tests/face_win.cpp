#include "skin/gdiplus/tests/face_win.h"

#include <gtest/gtest.h>

#include "skin/gdiplus/skin_font_family_win.h"

namespace skin::testing {

const char* testFace() {
  static const char* const found = [] {
    for (const char* candidate : {"Liberation Sans", "DejaVu Sans", "Arial", "Tahoma"}) {
      SkinFontFamily family = makeSkinFontFamily();
      const bool ok = family.methods->createFromName(&family, candidate) == Ok;
      family.methods->destroy(&family);
      if (ok) return candidate;
    }
    ADD_FAILURE() << "no usable font face";
    return "";
  }();
  return found;
}

}  // namespace skin::testing
