#include "skin/button_placement.h"

#include "runtime/values.h"
#include "skin/codes.h"
#include "skin/placement.h"

namespace skin {

ImageRect buttonImagePlacement(std::int32_t backType, float iw, float ih, std::int32_t w, std::int32_t h) {
  if (backType == code(BackType::Stretch)) return {0, 0, float(w), float(h)};
  if (backType == code(BackType::Fit)) {
    const PixelSize fit = fitSize(runtime::truncToInt32(iw), runtime::truncToInt32(ih), w, h);
    return {float(runtime::truncToInt32((w - fit.width) / 2.0)), float(runtime::truncToInt32((h - fit.height) / 2.0)),
            float(fit.width), float(fit.height)};
  }
  return {0, 0, iw, ih};
}

}  // namespace skin
