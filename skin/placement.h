#pragma once
// Where an image goes in a control's box.

#include <cstdint>

namespace skin {

struct Size {
  std::int32_t width;
  std::int32_t height;
  bool operator==(const Size&) const = default;
};

// The image's size shrunk (never enlarged) to fit the box, keeping its aspect
// ratio; each new value is computed in floating point, product first, and
// truncated toward zero once.
Size fitSize(std::int32_t imageWidth, std::int32_t imageHeight, std::int32_t boxWidth, std::int32_t boxHeight);

}  // namespace skin
