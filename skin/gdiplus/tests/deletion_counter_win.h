#pragma once
// Counts the wrappers' deletions of GDI+ objects (they still happen), so tests
// can see that each handle is deleted exactly once.

#include <gtest/gtest.h>

#include <map>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin::testing {

class DeletionCounter : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = gdiplusDeleters;
    deletions().clear();
    gdiplusDeleters.deleteFont = deleteFont;
    gdiplusDeleters.deleteFontFamily = deleteFontFamily;
    gdiplusDeleters.deleteStringFormat = deleteStringFormat;
  }
  void TearDown() override { gdiplusDeleters = saved_; }

  // How often the object at this address was deleted.
  static int deletionsOf(const void* object) {
    auto it = deletions().find(object);
    return it == deletions().end() ? 0 : it->second;
  }
  static int totalDeletions() {
    int n = 0;
    for (const auto& [object, times] : deletions()) n += times;
    return n;
  }

 private:
  static std::map<const void*, int>& deletions() {
    static std::map<const void*, int> map;
    return map;
  }
  static GpStatus count(const void* object, GpStatus status) {
    ++deletions()[object];
    return status;
  }
  static GpStatus WINGDIPAPI deleteFont(GpFont* f) { return count(f, GdipDeleteFont(f)); }
  static GpStatus WINGDIPAPI deleteFontFamily(GpFontFamily* f) { return count(f, GdipDeleteFontFamily(f)); }
  static GpStatus WINGDIPAPI deleteStringFormat(GpStringFormat* f) { return count(f, GdipDeleteStringFormat(f)); }

  GdiplusDeleters saved_;
};

}  // namespace skin::testing
