#include "overlay_win.h"

#include <windows.h>

#include "app/capture.h"
#include "app/capture_state.h"
#include "app/cursor_lock_win.h"
#include "app/layouts.h"
#include "app/output_file.h"
#include "app/overlay_skin_win.h"
#include "app/settings_win.h"
#include "hotkeys/registry_win.h"
#include "runtime/system.h"
#include "runtime/values.h"
#include "runtime/window_win.h"

namespace app {

namespace {

constexpr std::int32_t noModifier = 0;
constexpr std::int32_t sampleMilliseconds = 5;

// The polled keys run on worker threads of their own; the id they get is not needed.
DWORD WINAPI onLockKey(LPVOID) {
  lockCursor();
  return 0;
}
DWORD WINAPI onUnlockKey(LPVOID) {
  unlockCursor();
  return 0;
}
DWORD WINAPI onSettingsKey(LPVOID) {
  showSettings();
  return 0;
}

runtime::Target overlay() {
  return {&overlayWindow};
}
runtime::Target control(std::string_view name) {
  return {&overlayWindow, name};
}

}  // namespace

void onOverlayCreated() {
  bindOverlaySkin();

  // F1 goes through the system hotkey, delivered to the label 标签1. When
  // another program holds F1 the registration fails and F1 does nothing.
  registerSystemHotkey(windowHandleOf(overlay()), windowHandleOf(control("标签1")), noModifier, VK_F1);

  // F2, F3 and F4 are polled, so they still reach the program that has the
  // focus. The first registration starts the 10 ms poll.
  hotkeys::registerHotkey(onLockKey, VK_F2);
  hotkeys::registerHotkey(onUnlockKey, VK_F3);
  hotkeys::registerHotkey(onSettingsKey, VK_F4);

  runtime::writeProperty(control("时钟1"), runtime::Property::period, sampleMilliseconds);

  // The settings window, loaded once and kept hidden until F4. Stored before
  // the load, the hidden state keeps the load from showing it at all: no flash
  // on the screen, and no hide of a shown window, which costs Wine about 2 s.
  runtime::writeProperty({&settingsWindow}, runtime::Property::visible, 0);
  runtime::loadWindow(settingsWindow);
  runtime::writeProperty({&settingsWindow}, runtime::Property::visible, 0);
}

void onSampleTimer() {
  captureState.sampleX = runtime::mouseX();
  captureState.sampleY = runtime::mouseY();
}

std::int32_t onCaptureHotkey(std::int32_t, std::int32_t) {
  using runtime::Property;
  const std::int32_t left = runtime::readInt(overlay(), Property::left);
  const std::int32_t top = runtime::readInt(overlay(), Property::top);
  const std::int32_t height = runtime::readInt(overlay(), Property::height);
  const std::int32_t width = runtime::readInt(overlay(), Property::width);
  const CapturePoint p = computeCapture(left, top, width, height, captureState.sampleX, captureState.sampleY,
                                        captureState.xAxis, captureState.yAxis);
  captureState.lastX = p.x;
  captureState.lastY = p.y;
  appendCaptureLine(captureState.outputPath, formatCaptureLine(captureState.lastX, captureState.lastY));
  return 0;
}

void onOverlaySizeChanged() {
  const std::int32_t width = runtime::readInt(overlay(), runtime::Property::width);
  runtime::writeProperty(control("按钮1"), runtime::Property::left,
                         runtime::truncToInt32(static_cast<double>(width) - 40));
  recomposeOverlaySkin();
}

void onCloseClicked() {
  runtime::endProgram(0);
}

// Closing the frame in any other way (Esc, Alt+F4) ends the program as the
// close button does, instead of leaving it running without its frame.
void onOverlayCloseRequested() {
  runtime::endProgram(0);
}

}  // namespace app
