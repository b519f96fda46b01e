#pragma once
// SkinButton: binds a push button and draws it from state images over whatever
// lies behind it. The record holds only the method table and the bound button;
// all other state lives in window properties (keys.h).
//
// The slots' operations and the table instance skinButtonMethods are defined
// with the button code. It reuses, from the engine: props_win.h (property access),
// procs_win.h (the keys::wndProc subclassing convention that refresh of a
// layered window undoes) and, with the compositor, child_paint_win.h
// (readDrawState, stateImage) and placement.h (fitSize, imagePlacement).
//
// Optional arguments come with a flag telling whether the caller gave them.

#include <cstddef>
#include <cstdint>

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct SkinButton;

// Method table, in slot order.
struct SkinButtonMethods {
  void (*destroy)(SkinButton* self);                                                     // 0: does nothing
  SkinButton* (*copy)(const SkinButton* self);                                           // 1: same table and button
  bool (*attach)(SkinButton* self, HWND button);                                         // 2: true when bound
  HWND (*handle)(const SkinButton* self);                                                // 3
  BOOL (*setProperty)(SkinButton* self, const char* key, std::intptr_t value);           // 4: SetPropA's result
  std::intptr_t (*getProperty)(const SkinButton* self, const char* key);                 // 5: 0 when absent
  LRESULT (*sendMessage)(SkinButton* self, UINT message, WPARAM wParam, LPARAM lParam);  // 6
  // 7: atCursor counts as true when not given.
  void (*setToolTip)(SkinButton* self, const char* text, bool atCursor, bool atCursorGiven);
  // 8: each coordinate counts when given; noRedraw counts by its value.
  void (*setBounds)(SkinButton* self, int x, bool xGiven, int y, bool yGiven, int width, bool widthGiven, int height,
                    bool heightGiven, bool noRedraw);
  HWND (*windowHandle)(const SkinButton* self);                                                // 9: the same as handle
  bool (*isWindow)(const SkinButton* self);                                                    // 10
  void (*invalidate)(SkinButton* self);                                                        // 11
  LRESULT (*sendWindowMessage)(SkinButton* self, UINT message, WPARAM wParam, LPARAM lParam);  // 12: as 6
  // 13: a new bound button; its handle, also when 0.
  HWND (*create)(SkinButton* self, HWND parent, int x, int y, int width, int height, const char* text);
  // 14: the normal image counts when given and nonzero.
  void (*bind)(SkinButton* self, HWND button, GpImage* normal, bool normalGiven);
  // 15: each image counts when given (a given null clears that state's image).
  void (*setStateImages)(SkinButton* self, GpImage* normal, bool normalGiven, GpImage* over, bool overGiven,
                         GpImage* down, bool downGiven, GpImage* disabled, bool disabledGiven);
  // 16: as 15, each given block decoded first.
  void (*setStateImagesFromBytes)(SkinButton* self, const runtime::Bytes& normal, bool normalGiven,
                                  const runtime::Bytes& over, bool overGiven, const runtime::Bytes& down,
                                  bool downGiven, const runtime::Bytes& disabled, bool disabledGiven);
  void (*setBackType)(SkinButton* self, std::int32_t backType);  // 17
};
static_assert(sizeof(SkinButtonMethods) == 18 * sizeof(void*));
static_assert(offsetof(SkinButtonMethods, setToolTip) == 7 * sizeof(void*));
static_assert(offsetof(SkinButtonMethods, create) == 13 * sizeof(void*));
static_assert(offsetof(SkinButtonMethods, setBackType) == 17 * sizeof(void*));

struct SkinButton {
  const SkinButtonMethods* methods;
  HWND window;  // 0 until attach succeeds
};

// Defined with the button operations.
extern const SkinButtonMethods skinButtonMethods;

}  // namespace skin
