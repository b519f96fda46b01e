#pragma once
// The compositor of layered windows. A layered window shows exactly the last
// image handed to the window manager, so every visible change rebuilds it: a
// transparent canvas of the window's outer size, the back image stretched over
// it, each skinned child painted in the window manager's child order, and the
// result presented with per-pixel alpha. While a skinned edit box of the window
// has the focus, the blink timer re-presents the kept canvas with and without a
// caret line every 500 ms.

#include <cstdint>
#include <functional>

#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

// The focused skinned edit box, shared by the edit procedure and the blink.
struct SkinFocus {
  HWND focusedParent;       // parent of the focused skinned edit box; 0 when none
  HWND focusedEdit;         // that edit box; 0 when none
  GpBitmap* keptCanvas;     // the last canvas composed for focusedParent, kept for the blink
  std::int32_t caretPhase;  // 1 when the next blink presentation draws the caret line
};
extern SkinFocus skinFocus;

// Rebuilds the window's canvas and presents it.
void compose(HWND window);

// Hands an image (at its own size, at the top-left, on a transparent surface of
// the window's size) to the window manager, with the caret line when asked.
void present(HWND window, GpImage* image, bool drawCaret);

// The caret line of an edit box, drawn through graphics on the window's surface.
void drawCaretLine(HWND window, HWND edit, GpGraphics* graphics);

// The blink timer's procedure.
void CALLBACK onBlinkTimer(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// What present hands to the window manager, shown to an observer just before it
// is handed over. The program sets no observer; tests do.
struct Presentation {
  HWND window;
  GpImage* image;   // the canvas presented
  bool caretDrawn;  // the caret line was drawn over it
  int width, height;
  // The surface: premultiplied 32-bit BGRA (read as 0xAARRGGBB), rows bottom-up
  // as the device-independent bitmap stores them; nullptr when none was made.
  const std::uint32_t* bits;

  // The surface pixel at (x, y) from the top-left corner.
  std::uint32_t pixel(int x, int y) const {
    return bits[static_cast<size_t>(height - 1 - y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};
using PresentObserver = std::function<void(const Presentation&)>;
void setPresentObserver(PresentObserver observer);

// Starts a window's blink timer; SetTimer unless a test counts the starts.
using TimerStarter = UINT_PTR (*)(HWND window, UINT_PTR id, UINT period, TIMERPROC proc);
extern TimerStarter startBlinkTimer;

}  // namespace skin
