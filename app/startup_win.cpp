#include "startup_win.h"

#include "app/capture_state.h"
#include "app/layouts.h"
#include "app/overlay_skin_win.h"
#include "hotkeys/registry_win.h"
#include "runtime/runtime.h"
#include "runtime/window.h"

namespace app {

CaptureState captureState;

void prepareProgram() {
  runtime::initRuntime();
  createOverlaySkins();
  hotkeys::createHotkeys();
  runtime::setExitRoutine(shutDown);
  startGdiplus();
}

int startUp() {
  prepareProgram();
  runtime::loadStartupWindow(overlayWindow);
  return runtime::runMessageLoop();
}

void shutDown() {
  destroyOverlaySkin();
  captureState.outputPath.clear();
  destroyCloseButtonSkin();
  hotkeys::freeHotkeys();
}

}  // namespace app
