#pragma once
// The geometry of child painting: where an image goes in a child's rectangle by
// its BackType, the text rectangle of an edit box and the caret line. Shared
// with the button painting of ordinary windows.

#include <cstddef>
#include <cstdint>

namespace skin {

struct PixelSize {
  std::int32_t width;
  std::int32_t height;
  bool operator==(const PixelSize&) const = default;
};

// Shrinks an image to fit a box keeping its aspect ratio; never enlarges. Each
// new value is computed in floating point (product first, then quotient) and
// truncated toward zero once.
PixelSize fitSize(std::int32_t imageWidth, std::int32_t imageHeight, std::int32_t boxWidth, std::int32_t boxHeight);

// Where an image of iw x ih goes inside a child of cw x ch, relative to the
// child's top-left corner.
struct ImagePlacement {
  // Natural with an image wider or taller than the child: only its top-left
  // part inside the child is drawn, at its own scale, and an edit box's painting
  // ends with it (no border, no text).
  bool cropped;
  // The part of the image drawn: (0, 0, sourceWidth, sourceHeight).
  double sourceWidth, sourceHeight;
  // The rectangle it is drawn into.
  double x, y, width, height;
  bool operator==(const ImagePlacement&) const = default;
};

// By BackType: 1 stretched to the child, 2 fitted (fitSize) and centred leaning
// left and up by half a pixel when the leftover is odd, anything else natural.
ImagePlacement imagePlacement(std::int32_t backType, double imageWidth, double imageHeight, std::int32_t childWidth,
                              std::int32_t childHeight);

// An edit box's text rectangle: inset by 2 pixels on every side.
struct TextLayout {
  float x, y, width, height;
  bool operator==(const TextLayout&) const = default;
};
TextLayout editTextLayout(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

// The code units of a NUL-terminated UTF-16 byte block, without the terminator.
std::int32_t utf16Length(std::size_t bytes);

// The top of the caret line: 5 pixels right of the caret, centred vertically in
// the edit box whatever the caret's own height, 12 pixels long.
struct PixelPoint {
  std::int32_t x;
  std::int32_t y;
  bool operator==(const PixelPoint&) const = default;
};
inline constexpr std::int32_t caretLineLength = 12;
PixelPoint caretLineTop(std::int32_t editLeft, std::int32_t editTop, std::int32_t editHeight, std::int32_t caretX);

}  // namespace skin
