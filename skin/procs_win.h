#pragma once
// Subclassing by window property: how the engine puts its procedures in front
// of a window's own and finds the replaced one again.
//
// Two keys, one per kind of skinning, each holding the procedure that was in
// place before the engine's first procedure of that kind:
// - keys::wndProc: ordinary-window skinning (a bound button and its parent). It
//   is written only when absent, so a window is subclassed this way at most once
//   and the key always names the window's procedure from before; the installed
//   procedure forwards what it does not handle with callStoredProc(wndProc).
//   refresh of a layered window puts that procedure back on each of its skinned
//   children and removes the key, handing the child to the layered procedures.
// - keys::childWndProc: the layered child procedures, installed by refresh, which
//   forward with callStoredProc(childWndProc).

#include <windows.h>

namespace skin {

// Makes proc the window's procedure; the procedure it replaced.
WNDPROC replaceWindowProc(HWND window, WNDPROC proc);

WNDPROC readProc(HWND window, const char* key);
void writeProc(HWND window, const char* key, WNDPROC proc);

// Installs proc and records the replaced procedure under key, unless the key is
// already set: then nothing changes. True when it installed.
bool subclassOnce(HWND window, const char* key, WNDPROC proc);

// Passes a message on to the procedure stored under key. With none stored, the
// default procedure answers, so a window whose key went missing still works.
LRESULT callStoredProc(const char* key, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
