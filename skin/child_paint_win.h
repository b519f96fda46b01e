#pragma once
// Painting the skinned children of a layered window onto its canvas, and the
// small reads shared with the button painting of ordinary windows.

#include <cstdint>

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

// Paints one skinned child by its ControlType: a picture its image, a button the
// image of its DrawState, an edit box fill, image, border and window text. The
// child is placed by its position in the window's client coordinates.
void paintChild(HWND window, HWND child, GpGraphics* graphics);

// The value under keys::drawState, 0 when absent.
std::int32_t readDrawState(HWND child);

// The image for a DrawState: over, down or disabled image, falling back to the
// normal image; nullptr when the child has none.
GpImage* stateImage(HWND child, std::int32_t state);

// The child's window text in the ANSI code page.
runtime::Text windowTextAnsi(HWND child);

// A NUL-terminated ANSI text as UTF-16 bytes, the terminator (two zero bytes)
// included.
runtime::Bytes toUtf16(const runtime::Text& text);

}  // namespace skin
