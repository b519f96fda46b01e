#pragma once
// Painting of a skinned button in an ordinary window: a copy of the parent's
// pixels behind the button (taken at WM_PAINT), with the image of the button's
// DrawState drawn over it, placed by its BackType.

#include <windows.h>

namespace skin {

// Replaces the button's cached background (keys::cacheBitmap, the previous
// bitmap deleted) with a copy of what dc shows over the button's window
// rectangle; the new bitmap.
HBITMAP cacheBackground(HWND button, HDC dc);

// Draws the button now: into dc when given (its paint DC), otherwise into the
// button's window DC. A button without a cached background draws nothing.
void drawButton(HWND button, HDC dc);

}  // namespace skin
