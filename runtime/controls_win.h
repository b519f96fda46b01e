#pragma once
// Building a window's controls and the label window class.

#include "state_win.h"

namespace runtime::detail {

void registerLabelClass();

// Creates the control's child window (none for timers and common dialogs),
// with its font, and starts a timer that has a period. Raises no events.
void createControl(WindowState& window, ControlState& control, int index);

// Starts, restarts or stops a timer by the period rule.
void setTimerPeriod(WindowState& window, ControlState& control, std::int32_t period);

// The background colour of a window or label: the button face for the default.
COLORREF faceColour(std::int32_t colour);

// A press on the window or one of its labels begins a move as a caption would,
// unless the window is not movable.
void startDragMove(WindowState& window);

}  // namespace runtime::detail
