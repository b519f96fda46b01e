#pragma once
// Style and repaint helpers of the button binding.

#include <windows.h>

namespace skin {

// Sets the window's GWL_STYLE to (old AND NOT remove) OR add. False when that
// changes nothing; then nothing else happens. With extra position flags, a
// SetWindowPos that neither moves, sizes, reorders nor activates follows, with
// those flags added (SWP_FRAMECHANGED, for instance).
bool changeStyle(HWND window, LONG_PTR remove = 0, LONG_PTR add = 0, UINT extra = 0);
// The same on GWL_EXSTYLE.
bool changeExStyle(HWND window, LONG_PTR remove = 0, LONG_PTR add = 0, UINT extra = 0);

// Invalidates the window's area in its parent and then the window itself,
// neither erased, so the parent repaints what lies behind before the window
// copies it.
void invalidateWithParent(HWND window);

}  // namespace skin
