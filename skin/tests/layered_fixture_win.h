#pragma once
// Test windows for the compositor: a top-level window class that logs the
// clicks it is told of, children made by class name with a ControlType, and the
// presentations the compositor hands to the window manager, kept as copies.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/compositor_win.h"

namespace skin::testing {

// Opaque colours as a surface shows them (0xAARRGGBB), and nothing.
inline constexpr std::uint32_t red = 0xFFFF0000;
inline constexpr std::uint32_t green = 0xFF00FF00;
inline constexpr std::uint32_t blue = 0xFF0000FF;
inline constexpr std::uint32_t black = 0xFF000000;
inline constexpr std::uint32_t clear = 0;

// Stores an image handle under an image key of a child.
void setImage(HWND child, const char* key, GpImage* image);

// A GDI font of the test face, for edit boxes that draw text.
HFONT makeTestFont(int height);

// One presentation: the surface pixels top-down, premultiplied 0xAARRGGBB.
struct Shot {
  HWND window;
  GpImage* image;  // the canvas presented (valid only while its owner keeps it)
  int width, height;
  bool caret;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
  // True when every pixel of the rectangle has this value.
  bool all(int x, int y, int w, int h, std::uint32_t value) const;
  // How many pixels of the whole surface have this value.
  int count(std::uint32_t value) const;
};

class LayeredTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A top-level window of the test class (outer size w x h at screen x, y).
  HWND makeWindow(int x, int y, int w, int h, DWORD style = WS_POPUP);
  // A child by class name at client x, y; type 0 leaves it unskinned.
  HWND makeChild(HWND parent, const char* className, int x, int y, int w, int h, std::int32_t type,
                 const char* text = "", DWORD style = 0);
  // A solid image owned by the test (disposed in TearDown).
  GpImage* solidImage(int w, int h, std::uint32_t argb);
  GpImage* keepImage(GpImage* image);

  // Runs the window's queued messages.
  static void pump();

  const Shot& last() const { return shots.back(); }

  std::vector<Shot> shots;          // every presentation, in order
  std::vector<std::string> events;  // "present", "present+caret" and "click" in order

 private:
  std::vector<HWND> windows_;
  std::vector<GpImage*> images_;
};

}  // namespace skin::testing
