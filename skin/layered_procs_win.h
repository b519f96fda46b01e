#pragma once
// The window procedures refresh puts in front of the skinned children of a
// layered window. The system draws nothing of these children, so each procedure
// records what changes a child's look and has the parent recomposed; both pass
// every message on to the procedure stored under keys::childWndProc.

#include <windows.h>

namespace skin {

// Buttons: drives the DrawState (see layered_button_state.h); the new look is
// composed before the button's own procedure sees the message, so the parent
// already shows the released state when the button reports its click.
LRESULT CALLBACK layeredButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// Edit boxes: tracks the focus in skinFocus for the caret blink and recomposes
// after the edit box's own procedure has handled a focus change or an edit.
LRESULT CALLBACK layeredEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
