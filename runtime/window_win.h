#pragma once
// The Win32 face of the window runtime.

#include <windows.h>

#include "window.h"

// The HWND of the target, 0 when it is not loaded (timers and common dialogs
// have none).
HWND windowHandleOf(runtime::Target target);

// Registers a system-wide hotkey whose presses raise the feedback event of the
// label `target` with (id, 0). Ids start at 33001 and are used up even when the
// registration fails; the result is the id, or 0 on failure.
std::int32_t registerSystemHotkey(HWND owner, HWND target, std::int32_t modifierCode, std::int32_t virtualKey);

namespace runtime {

// The runtime's keyboard handling for a message taken from the queue (Tab among
// the tab stops, Esc closing): true when it has dealt with the message, which
// is then neither translated nor dispatched. runMessageLoop calls it; a caller
// that pumps messages itself calls it too.
bool preTranslateMessage(MSG& msg);

// One message taken from the queue, through the runtime's keyboard handling,
// then translated and dispatched as the message loop does.
void dispatchMessage(MSG& msg);

// Dispatches whatever is queued now, as the message loop would: for tests and
// benchmarks that drive the UI thread themselves.
void pumpPendingMessages();

}  // namespace runtime
