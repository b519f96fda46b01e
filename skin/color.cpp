#include "skin/color.h"

namespace skin {

std::uint32_t toArgb(std::int32_t colour, std::int32_t alpha) {
  const auto c = static_cast<std::uint32_t>(colour);
  const std::uint32_t red = c & 0xFF;
  const std::uint32_t green = (c >> 8) & 0xFF;
  const std::uint32_t blue = (c >> 16) & 0xFF;
  // Shifting in 32 bits drops every alpha bit above the low 8.
  return (static_cast<std::uint32_t>(alpha) << 24) | (red << 16) | (green << 8) | blue;
}

}  // namespace skin
