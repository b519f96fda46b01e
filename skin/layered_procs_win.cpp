#include "skin/layered_procs_win.h"

#include "skin/child_paint_win.h"
#include "skin/compositor_win.h"
#include "skin/keys.h"
#include "skin/layered_button_state.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"

namespace skin {
namespace {

LRESULT forward(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!previous) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

bool recomposesEdit(UINT message) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT CALLBACK layeredButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = readProc(button, keys::childWndProc);
  const ButtonStep step = layeredButtonStep(readDrawState(button), message, wParam);
  if (step.recompose) {
    if (step.trackLeave) {
      TRACKMOUSEEVENT track = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
      TrackMouseEvent(&track);
    }
    writeProp(button, keys::drawState, step.state);
    compose(GetParent(button));
  }
  return forward(previous, button, message, wParam, lParam);
}

LRESULT CALLBACK layeredEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = readProc(edit, keys::childWndProc);
  if (message == WM_SETFOCUS) {
    skinFocus.caretPhase = 0;
    skinFocus.focusedParent = GetParent(edit);
    skinFocus.focusedEdit = edit;
  } else if (message == WM_KILLFOCUS) {
    skinFocus.focusedEdit = nullptr;
    skinFocus.focusedParent = nullptr;
  }
  if (!recomposesEdit(message)) return forward(previous, edit, message, wParam, lParam);
  // The edit box's own procedure first, so the composition reads its new text.
  const LRESULT result = forward(previous, edit, message, wParam, lParam);
  compose(GetParent(edit));
  return result;
}

}  // namespace skin
