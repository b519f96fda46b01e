#pragma once
// The program-wide record of the last cursor sample, the axis values, the last
// capture and the output path. Touched only on the UI thread.

#include <cstdint>

#include "runtime/text.h"

namespace app {

struct CaptureState {
  std::int32_t sampleX = 0;  // cursor of the last sample, screen pixels
  std::int32_t sampleY = 0;
  std::int32_t lastX = 0;  // the last capture, chart units
  std::int32_t xAxis = 0;  // chart units that the frame's width stands for
  std::int32_t lastY = 0;
  std::int32_t yAxis = 0;    // chart units that the frame's height stands for
  runtime::Text outputPath;  // empty until the first Save
};

extern CaptureState captureState;

}  // namespace app
