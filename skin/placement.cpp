#include "skin/placement.h"

#include <algorithm>

#include "runtime/values.h"

namespace skin {

using runtime::truncToInt32;

PixelSize fitSize(std::int32_t iw, std::int32_t ih, std::int32_t bw, std::int32_t bh) {
  std::int32_t width = iw;
  std::int32_t height = ih;
  if (iw > bw) {
    width = bw;
    height = truncToInt32(static_cast<double>(ih) * bw / iw);
  }
  if (height > bh) {
    width = truncToInt32(static_cast<double>(width) * bh / height);
    height = bh;
  }
  return {width, height};
}

ImagePlacement imagePlacement(std::int32_t backType, double iw, double ih, std::int32_t cw, std::int32_t ch) {
  switch (backType) {
    case 1:
      return {false, iw, ih, 0, 0, static_cast<double>(cw), static_cast<double>(ch)};
    case 2: {
      const PixelSize fit = fitSize(truncToInt32(iw), truncToInt32(ih), cw, ch);
      return {false,
              iw,
              ih,
              static_cast<double>((cw - fit.width) / 2),
              static_cast<double>((ch - fit.height) / 2),
              static_cast<double>(fit.width),
              static_cast<double>(fit.height)};
    }
    default:
      if (iw - cw > 0.0000001 || ih - ch > 0.0000001) {
        // The source part stays inside the image, so no library ever scales a
        // source rectangle that reaches past the image's edge.
        const double w = std::min(iw, static_cast<double>(cw));
        const double h = std::min(ih, static_cast<double>(ch));
        return {true, w, h, 0, 0, w, h};
      }
      return {false, iw, ih, 0, 0, iw, ih};
  }
}

TextLayout editTextLayout(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {static_cast<float>(left) + 2, static_cast<float>(top) + 2, static_cast<float>(width) - 4,
          static_cast<float>(height) - 4};
}

std::int32_t utf16Length(std::size_t bytes) {
  return truncToInt32(static_cast<double>(bytes) / 2 - 1);
}

PixelPoint caretLineTop(std::int32_t editLeft, std::int32_t editTop, std::int32_t editHeight, std::int32_t caretX) {
  return {editLeft + caretX + 5, truncToInt32(editTop + (editHeight - caretLineLength) / 2.0)};
}

}  // namespace skin
