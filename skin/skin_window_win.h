#pragma once
// SkinWindow: binds one top-level window and turns it into a per-pixel-alpha
// layered window composed from its back image and its skinned children. The
// record holds only the method table and the bound window; all other state lives
// in window properties.
//
// Use: newSkinWindow(); methods->attach(w, hwnd); methods->setBackImageFromBytes(w,
// png); methods->refresh(w) after binding buttons and after every resize;
// methods->destroy(w) and freeSkinWindow(w) at the end.

#include <cstddef>

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct SkinWindow;

// Method table, in slot order.
struct SkinWindowMethods {
  // Does nothing: the window keeps its properties, timer and layered style.
  void (*destroy)(SkinWindow* self);
  // A new record (freeSkinWindow it) with the same table and window.
  SkinWindow* (*copy)(const SkinWindow* self);
  // Binds a top-level window: layered style, caret-blink timer. False when the
  // handle names no window.
  bool (*attach)(SkinWindow* self, HWND window);
  // Stores the back image and composes. False when unbound or image is null.
  bool (*setBackImage)(SkinWindow* self, GpImage* image);
  // Decodes an encoded image and calls setBackImage through the table.
  bool (*setBackImageFromBytes)(SkinWindow* self, const runtime::Bytes& bytes);
  // Hands the skinned children to the layered child procedures and composes.
  void (*refresh)(SkinWindow* self);
  // Moves or sizes the window in screen coordinates; a value not given keeps the
  // window's own. No composition follows.
  void (*setBounds)(SkinWindow* self, int x, bool xGiven, int y, bool yGiven, int width, bool widthGiven, int height,
                    bool heightGiven, bool noRedraw);
  HWND (*handle)(const SkinWindow* self);
  bool (*isWindow)(const SkinWindow* self);
  LRESULT (*sendMessage)(SkinWindow* self, UINT message, WPARAM wParam, LPARAM lParam);
};
static_assert(sizeof(SkinWindowMethods) == 10 * sizeof(void*));
static_assert(offsetof(SkinWindowMethods, setBackImageFromBytes) == 4 * sizeof(void*));
static_assert(offsetof(SkinWindowMethods, sendMessage) == 9 * sizeof(void*));

struct SkinWindow {
  const SkinWindowMethods* methods;
  HWND window;  // 0 until attach succeeds
};

extern const SkinWindowMethods skinWindowMethods;

// A record with the table and window 0; freed with freeSkinWindow.
SkinWindow* newSkinWindow();
void freeSkinWindow(SkinWindow* self);

}  // namespace skin
