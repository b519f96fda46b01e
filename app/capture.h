#pragma once
// Point capture: the cursor's place in the frame in chart units, and the line
// that records it in the output file.

#include <cstdint>

#include "runtime/files.h"
#include "runtime/text.h"

namespace app {

struct CapturePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// X counts from the frame's left edge, Y up from the row just below the frame's
// last one (top + height), each scaled so that the frame's width stands for
// xAxis and its height for yAxis, rounded toward minus infinity. A divisor of 0
// gives 0; results beyond int32 keep their low 32 bits.
CapturePoint computeCapture(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                            std::int32_t sampleX, std::int32_t sampleY, std::int32_t xAxis, std::int32_t yAxis);

// "X Y\r\n" with both numbers as "%d" prints them.
runtime::Text formatCaptureLine(std::int32_t x, std::int32_t y);

}  // namespace app
