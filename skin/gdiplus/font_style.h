#pragma once
// How a GDI logical font's fields become a GDI+ font's style and size.

#include <cstdint>

namespace skin {

// GDI+ font style bits.
inline constexpr int fontStyleBold = 1;
inline constexpr int fontStyleItalic = 2;
inline constexpr int fontStyleUnderline = 4;
inline constexpr int fontStyleStrikeout = 8;

// Bold only for the weights 600 and 700 (800 and 900 give none); italic,
// underline and strikeout only for the byte value 1.
int fontStyleFromLogFont(std::int32_t weight, std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut);

// The size in pixels of a logical font height: its absolute value, so a
// character height of -12 and a cell height of 12 both give 12.
float fontSizeFromHeight(std::int32_t height);

}  // namespace skin
