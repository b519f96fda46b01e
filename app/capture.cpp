#include "capture.h"

#include "runtime/values.h"

namespace app {

namespace {

// One scaled step, in double precision on exact integer operands.
std::int32_t scale(std::int32_t offset, std::int32_t axis, std::int32_t size) {
  if (size == 0) return 0;
  return runtime::floorToInt(static_cast<double>(offset) * static_cast<double>(axis) / static_cast<double>(size));
}

}  // namespace

CapturePoint computeCapture(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                            std::int32_t sampleX, std::int32_t sampleY, std::int32_t xAxis, std::int32_t yAxis) {
  using runtime::truncToInt32;
  const std::int32_t bottom = truncToInt32(static_cast<double>(top) + height);
  const std::int32_t dx = truncToInt32(static_cast<double>(sampleX) - left);
  const std::int32_t dy = truncToInt32(static_cast<double>(bottom) - sampleY);
  return {scale(dx, xAxis, width), scale(dy, yAxis, height)};
}

runtime::Text formatCaptureLine(std::int32_t x, std::int32_t y) {
  return runtime::intToText(x) + " " + runtime::intToText(y) + "\r\n";
}

}  // namespace app
