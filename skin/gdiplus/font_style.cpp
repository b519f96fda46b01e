#include "skin/gdiplus/font_style.h"

#include <cmath>

namespace skin {

int fontStyleFromLogFont(std::int32_t weight, std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut) {
  int style = 0;
  if (weight == 600 || weight == 700) style |= fontStyleBold;
  if (italic == 1) style |= fontStyleItalic;
  if (underline == 1) style |= fontStyleUnderline;
  if (strikeOut == 1) style |= fontStyleStrikeout;
  return style;
}

float fontSizeFromHeight(std::int32_t height) {
  // Through double: the absolute value of INT32_MIN does not fit an int32.
  return static_cast<float>(std::fabs(static_cast<double>(height)));
}

}  // namespace skin
