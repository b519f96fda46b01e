#pragma once
// The program's two windows, as layouts the runtime builds them from.

#include "runtime/layout.h"

namespace app {

// The translucent frame laid over the chart.
extern const runtime::WindowLayout overlayWindow;
// The axis values and the output file.
extern const runtime::WindowLayout settingsWindow;

}  // namespace app
