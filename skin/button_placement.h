#pragma once
// Where a skinned button in an ordinary window draws its state image, by its
// BackType: Stretch fills the button; Fit shrinks the image (never enlarging
// it) keeping its aspect ratio and centres it, leaning left and up by half a
// pixel on an odd leftover; anything else (Natural) keeps the image's own size
// at the top-left, what lies beyond the button falling off.

#include <cstdint>

namespace skin {

struct ImageRect {
  float x, y, width, height;
};

ImageRect buttonImagePlacement(std::int32_t backType, float imageWidth, float imageHeight, std::int32_t width,
                               std::int32_t height);

}  // namespace skin
