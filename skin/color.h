#pragma once
// Colour packing for GDI+ drawing.

#include <cstdint>

namespace skin {

// The GDI+ ARGB colour for a COLORREF (red in the low byte, then green, then
// blue; the top byte ignored) and an alpha of which only the low 8 bits count.
std::uint32_t toArgb(std::int32_t colour, std::int32_t alpha);

}  // namespace skin
