#include "skin/button_procs_win.h"

#include <commctrl.h>

#include "skin/button_paint_win.h"
#include "skin/button_state.h"
#include "skin/child_paint_win.h"
#include "skin/keys.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"

namespace skin {

namespace {

bool focused(HWND button) {
  return readInt(button, keys::isFoucs) != 0;
}

// Carries out one step of the button's state machine.
void runStep(HWND button, ButtonEvent event, WPARAM wParam) {
  const ButtonStep step = buttonStep(readDrawState(button), focused(button), event, wParam);
  if (step.focus != FocusChange::Keep) writeProp(button, keys::isFoucs, step.focus == FocusChange::Set ? 1 : 0);
  if (step.trackLeave) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
  }
  if (step.setsState) setDrawState(button, step.state, step.force);
  if (step.drawAfter) drawButton(button, nullptr);
}

// Runs the replaced procedure first, so that a state change it causes (a
// BM_SETSTATE it sends back to the button) has happened before the rule reads
// the state; its answer stays the message's answer.
LRESULT savedFirst(HWND button, UINT message, WPARAM wParam, LPARAM lParam, ButtonEvent event) {
  const LRESULT result = callSavedProc(button, message, wParam, lParam);
  runStep(button, event, wParam);
  return result;
}

bool isColourMessage(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;  // WM_CTLCOLORSCROLLBAR among them: the scroll bar keeps its brush
  }
}

std::int32_t typeOf(HWND child) {
  return readInt(child, keys::type);
}

}  // namespace

LRESULT callSavedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return callStoredProc(keys::wndProc, window, message, wParam, lParam);
}

void setDrawState(HWND button, std::int32_t state, bool force) {
  const std::int32_t current = readDrawState(button);
  if (state != current) writeProp(button, keys::drawState, state);
  if (setDrawStateRedraws(current, state, force)) drawButton(button, nullptr);
}

void onSetState(HWND button, WPARAM wParam) {
  runStep(button, ButtonEvent::SetState, wParam);
}

LRESULT CALLBACK skinButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      // The button's background was never erased (WM_ERASEBKGND below), and the
      // parent does not clip it: the paint DC still shows the parent's pixels.
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(button, &paint);
      cacheBackground(button, dc);
      drawButton(button, dc);
      EndPaint(button, &paint);
      return 0;
    }
    case WM_NCPAINT:
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::MouseMove);
    case WM_MOUSELEAVE:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::MouseLeave);
    case WM_LBUTTONDOWN:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::LeftDown);
    case WM_LBUTTONUP:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::LeftUp);
    case WM_ENABLE:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::Enable);
    case BM_SETSTATE:
      return savedFirst(button, message, wParam, lParam, ButtonEvent::SetState);
    case WM_SETFOCUS:
      runStep(button, ButtonEvent::SetFocus, wParam);
      return 0;
    case WM_KILLFOCUS:
      runStep(button, ButtonEvent::KillFocus, wParam);
      return 0;
    default:
      return callSavedProc(button, message, wParam, lParam);
  }
}

LRESULT CALLBACK skinParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && typeOf(header->hwndFrom) == code(ControlType::Button) && header->code == NM_CUSTOMDRAW) {
      drawButton(header->hwndFrom, nullptr);
    }
    return callSavedProc(parent, message, wParam, lParam);
  }
  if (message == WM_COMMAND) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    const WORD notification = HIWORD(wParam);
    if (control && typeOf(control) == code(ControlType::EditBox) &&
        (notification == EN_VSCROLL || notification == EN_HSCROLL || notification == EN_CHANGE)) {
      // The edit box draws over what it showed before; erasing lets the parent's
      // background show through again.
      InvalidateRect(control, nullptr, TRUE);
    }
    return callSavedProc(parent, message, wParam, lParam);
  }
  if (isColourMessage(message)) {
    const HWND child = reinterpret_cast<HWND>(lParam);
    const auto dc = reinterpret_cast<HDC>(wParam);
    const std::int32_t type = typeOf(child);
    if (type == 0) return callSavedProc(parent, message, wParam, lParam);
    if (type == code(ControlType::EditBox)) SetTextColor(dc, static_cast<COLORREF>(readInt(child, keys::textColor)));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  return callSavedProc(parent, message, wParam, lParam);
}

}  // namespace skin
