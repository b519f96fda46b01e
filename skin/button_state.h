#pragma once
// The four-state machine of a skinned button in an ordinary window, apart from
// the window it runs on. The button procedure reads the DrawState and the focus
// flag from the button's properties (after the replaced procedure has seen the
// message, for the messages that reach it first), asks buttonStep what to do and
// carries the step out: focus flag, leave tracking, the state change with its
// redraws.

#include <cstdint>

#include "skin/codes.h"

// States cross this interface as their stored integer codes (code(DrawState::X)):
// <windows.h> defines DrawState as a macro, so the enum's name differs between
// files that include it and files that do not.

namespace skin {

// The messages that move the machine.
enum class ButtonEvent {
  MouseMove,   // WM_MOUSEMOVE
  MouseLeave,  // WM_MOUSELEAVE
  LeftDown,    // WM_LBUTTONDOWN
  LeftUp,      // WM_LBUTTONUP
  Enable,      // WM_ENABLE; wParam nonzero: enabled
  SetFocus,    // WM_SETFOCUS
  KillFocus,   // WM_KILLFOCUS
  SetState,    // BM_SETSTATE; wParam exactly 1: pressed
};

enum class FocusChange { Keep, Set, Clear };

// What one event asks of the button.
struct ButtonStep {
  FocusChange focus = FocusChange::Keep;  // written before anything else
  bool trackLeave = false;                // ask for WM_MOUSELEAVE
  bool setsState = false;                 // setDrawState(state, force) is called
  std::int32_t state = code(DrawState::Normal);
  bool force = false;      // redraw even when the state does not change
  bool drawAfter = false;  // one more redraw after the state change, whatever it was
};

// current is the stored DrawState (any integer code); focused is whether the
// focus flag is nonzero.
ButtonStep buttonStep(std::int32_t current, bool focused, ButtonEvent event, std::uintptr_t wParam);

// Whether setDrawState redraws: on a change of state, or when forced.
constexpr bool setDrawStateRedraws(std::int32_t current, std::int32_t target, bool force) {
  return target != current || force;
}

}  // namespace skin
