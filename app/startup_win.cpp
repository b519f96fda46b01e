#include "startup_win.h"

#include "app/capture_state.h"
#include "app/layouts.h"
#include "hotkeys/registry_win.h"
#include "runtime/runtime.h"
#include "runtime/window.h"

namespace app {

CaptureState captureState;

int startUp() {
  runtime::initRuntime();
  // The skin objects, then the hotkey table.
  hotkeys::createHotkeys();
  runtime::setExitRoutine(shutDown);
  // GDI+.
  runtime::loadStartupWindow(overlayWindow);
  return runtime::runMessageLoop();
}

void shutDown() {
  // The overlay's skin.
  captureState.outputPath.clear();
  // The close button's skin, then the hotkey table.
  hotkeys::freeHotkeys();
}

}  // namespace app
