#include "cursor_lock_win.h"

#include <windows.h>

#include "app/layouts.h"
#include "runtime/values.h"
#include "runtime/window.h"

namespace app {

namespace {

using runtime::Property;

constexpr std::int32_t defaultPointer = 0;
constexpr std::int32_t crosshairPointer = 2;

std::int32_t overlayInt(Property p) {
  return runtime::readInt({&overlayWindow}, p);
}

std::int32_t sum(std::int32_t a, std::int32_t b) {
  return runtime::truncToInt32(static_cast<double>(a) + b);
}

}  // namespace

void lockCursor() {
  RECT clip;
  clip.left = overlayInt(Property::left);
  clip.top = overlayInt(Property::top);
  clip.right = sum(overlayInt(Property::left), overlayInt(Property::width));
  clip.bottom = sum(overlayInt(Property::top), overlayInt(Property::height));
  ClipCursor(&clip);  // a failed confinement still pins the frame and sets the pointer
  runtime::writeProperty({&overlayWindow}, Property::mousePointer, runtime::intToBytes(crosshairPointer));
  runtime::writeProperty({&overlayWindow}, Property::movable, 0);
}

void unlockCursor() {
  ClipCursor(nullptr);
  runtime::writeProperty({&overlayWindow}, Property::mousePointer, runtime::intToBytes(defaultPointer));
  runtime::writeProperty({&overlayWindow}, Property::movable, 1);
}

void showSettings() {
  runtime::writeProperty({&settingsWindow}, Property::visible, 1);
  runtime::writeProperty({&settingsWindow}, Property::left,
                         sum(overlayInt(Property::left), overlayInt(Property::width)));
  unlockCursor();
}

}  // namespace app
