#pragma once
// Move-only owners for the GDI and GDI+ objects that live within one drawing
// call: each is released once, when the owner goes out of scope.

#include <memory>
#include <type_traits>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

namespace detail {
struct DeleteGraphics {
  void operator()(GpGraphics* g) const { GdipDeleteGraphics(g); }
};
struct DisposeImage {
  void operator()(GpImage* i) const { GdipDisposeImage(i); }
};
struct DeleteBrush {
  void operator()(GpBrush* b) const { GdipDeleteBrush(b); }
};
struct DeletePen {
  void operator()(GpPen* p) const { GdipDeletePen(p); }
};
struct DeleteDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
}  // namespace detail

using UniqueGraphics = std::unique_ptr<GpGraphics, detail::DeleteGraphics>;
using UniqueImage = std::unique_ptr<GpImage, detail::DisposeImage>;
using UniqueBrush = std::unique_ptr<GpBrush, detail::DeleteBrush>;
using UniquePen = std::unique_ptr<GpPen, detail::DeletePen>;
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, detail::DeleteDc>;
using UniqueBitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, detail::DeleteGdiObject>;

// A solid brush and a pen of an ARGB colour (width in world units).
inline UniqueBrush solidBrush(ARGB colour) {
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(colour, &brush);
  return UniqueBrush(brush);
}
inline UniquePen pen(ARGB colour, REAL width) {
  GpPen* p = nullptr;
  GdipCreatePen1(colour, width, UnitWorld, &p);
  return UniquePen(p);
}

// A window's DC, given back to the window on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC; the one it replaced is selected back on scope exit.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (replaced_) SelectObject(dc_, replaced_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ replaced_;
};

// Runs a wrapper record's destroy slot on scope exit.
template <typename Record>
class DestroyOnExit {
 public:
  explicit DestroyOnExit(Record& record) : record_(record) {}
  ~DestroyOnExit() { record_.methods->destroy(&record_); }
  DestroyOnExit(const DestroyOnExit&) = delete;
  DestroyOnExit& operator=(const DestroyOnExit&) = delete;

 private:
  Record& record_;
};

}  // namespace skin
