#include "settings_win.h"

#include "app/capture_state.h"
#include "app/cursor_lock_win.h"
#include "app/layouts.h"
#include "runtime/system.h"
#include "runtime/values.h"
#include "runtime/window.h"

namespace app {

namespace {

using runtime::Property;

runtime::Target dialog() {
  return {&settingsWindow, "通用对话框1"};
}

// An axis text as the user typed it: full-width characters count as their
// ASCII forms, the leading number counts, no number gives 0.
std::int32_t axisValue(std::string_view editBox) {
  return runtime::truncToInt32(runtime::textToNumber(runtime::readText({&settingsWindow, editBox}, Property::text)));
}

}  // namespace

void onSettingsCreated() {
  runtime::writeProperty(dialog(), Property::initialDirectory, runtime::runDirectory());
}

void onChooseFileClicked() {
  runtime::openCommonDialog(dialog());  // on cancel the file name stays as it was
}

void onSaveClicked() {
  captureState.xAxis = axisValue("编辑框1");
  captureState.yAxis = axisValue("编辑框2");
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
  captureState.outputPath =
      runtime::readText(dialog(), Property::title) + runtime::readText(dialog(), Property::fileName);
  lockCursor();
}

// Closing the settings window hides it with its texts kept, so F4 can bring it
// back; destroying it would leave the axis values unchangeable for the run.
void onSettingsCloseRequested() {
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
}

void onOverlayPositionChanged() {
  lockCursor();
}

}  // namespace app
