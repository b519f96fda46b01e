#pragma once
// Reading a skinned button's state and its image, shared by every painting of
// buttons.

#include <cstdint>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

// The value under keys::drawState, 0 (Normal) when absent.
std::int32_t readDrawState(HWND child);

// The image for a DrawState: the over, down or disabled image, the normal image
// when that state has none (and for every other state); 0 when the child has no
// normal image either.
GpImage* stateImage(HWND child, std::int32_t state);

}  // namespace skin
