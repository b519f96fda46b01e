#include "skin/child_paint_win.h"

#include "skin/codes.h"
#include "skin/keys.h"
#include "skin/props_win.h"

namespace skin {

std::int32_t readDrawState(HWND child) {
  return readInt(child, keys::drawState);
}

GpImage* stateImage(HWND child, std::int32_t state) {
  const char* key = nullptr;
  if (state == code(DrawState::Over)) key = keys::overlImage;
  if (state == code(DrawState::Down)) key = keys::downImage;
  if (state == code(DrawState::Disabled)) key = keys::disableImage;
  std::intptr_t image = key ? readProp(child, key) : 0;
  if (image == 0) image = readProp(child, keys::normalImage);
  return reinterpret_cast<GpImage*>(image);
}

}  // namespace skin
