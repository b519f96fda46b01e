#pragma once
// The window procedures of skinned buttons in ordinary windows (windows the
// compositor does not draw). bind installs skinButtonProc on the button and
// skinParentProc on its parent (unless the parent itself is a skinned
// control); each forwards what it does not handle to the procedure it
// replaced, stored under keys::wndProc of its own window.

#include <windows.h>

#include <cstdint>

namespace skin {

LRESULT CALLBACK skinButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK skinParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Passes a message to the procedure stored under keys::wndProc of the window.
LRESULT callSavedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Stores a new DrawState (its code) and redraws the button when it changed, or
// when force is set even when it did not.
void setDrawState(HWND button, std::int32_t state, bool force);

// The button's answer to BM_SETSTATE: Down for wParam 1, otherwise Over when it
// has the focus and Normal when not; then one more redraw in every case.
void onSetState(HWND button, WPARAM wParam);

}  // namespace skin
