#pragma once
// The runtime's record of each window and control, kept on the UI thread only.
// A window's record lives for the whole run, keyed by its layout's address; it
// holds the stored values of a window that is not loaded and the live state of
// a loaded one.

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "gdi_win.h"
#include "layout.h"

namespace runtime::detail {

struct ControlState {
  const ControlLayout* layout = nullptr;
  HWND hwnd = nullptr;  // 0 for timers and common dialogs, and while not loaded
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  std::int32_t pointer = 0;                // mouse pointer code
  std::int32_t period = 0;                 // timers
  Text title, fileName, initialDirectory;  // common dialogs
  UniqueGdiObject ownFont;                 // a font made from the layout's description
  HFONT font = nullptr;                    // the font the control shows
  UniqueGdiObject brush;                   // an edit box's background
};

struct WindowState {
  const WindowLayout* layout = nullptr;
  HWND hwnd = nullptr;  // 0 while not loaded
  bool live = false;    // built and raising events
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool positionWritten = false;  // a stored position overrides centring at the next load
  std::int32_t pointer = 0;
  bool movable = true;
  HWND disabledOwner = nullptr;  // re-enabled when a modal window goes
  std::vector<ControlState> controls;
};

// The record of a layout, made from the layout on first use.
WindowState& stateOf(const WindowLayout* layout);
// The record of a loaded top-level window, or null.
WindowState* loadedState(HWND hwnd);
void setLoaded(HWND hwnd, WindowState* state);  // null removes
std::vector<HWND> loadedWindows();

ControlState* findControl(WindowState& window, std::string_view name);
ControlState* findControl(WindowState& window, HWND hwnd);

// Events run only while the program has not begun to end.
bool eventsStopped();
void stopEvents();
inline void raise(Handler handler) {
  if (handler && !eventsStopped()) handler();
}

// Reports the message and ends the program with exit code -1.
[[noreturn]] void fatalError(const Text& message);

// The window procedure's part in ending the loop.
void lastWindowGone();

// The timer id of control `index` on its window.
constexpr UINT_PTR timerIdBase = 0x52540000;

// Registers the runtime's window classes (initRuntime).
void registerWindowClass();

// The cursor of a mouse pointer code; null for 0 and unknown codes.
HCURSOR cursorFor(std::int32_t code);

}  // namespace runtime::detail
