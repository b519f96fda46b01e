#pragma once
// Tooltips of skinned buttons: one tooltip window ("tooltips_class32") shared by
// every button of the process, each button one tool of it (the button's window,
// id 0). keys::toolTips on a button records that its tool was added.

#include <windows.h>

namespace skin {

struct SkinButton;

// Gives the bound button a tooltip with this text, or replaces the text of the
// one it has. atCursor counts as true when not given; it and the tool's area
// (the button's client rectangle) are fixed by the first call for a button:
// true shows the tip at the cursor, false centres it below the button.
void setToolTip(SkinButton* self, const char* text, bool atCursor, bool atCursorGiven);

// The shared tooltip window; 0 until the first setToolTip call of the process.
HWND toolTipWindow();

}  // namespace skin
