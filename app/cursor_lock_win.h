#pragma once
// The cursor lock and the settings window's appearance beside the frame. These
// run on worker threads (from the polled F2, F3, F4) as well as on the UI
// thread; they use only the runtime's thread-safe property operations and
// ClipCursor, and touch no field of the capture state.

namespace app {

// Confines the cursor to the frame, shows the crosshair over it and pins it.
void lockCursor();
// Frees the cursor, brings the default pointer back and lets the frame move.
void unlockCursor();
// Shows the settings window against the frame's right edge and frees the cursor.
void showSettings();

}  // namespace app
