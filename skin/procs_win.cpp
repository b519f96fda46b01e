#include "skin/procs_win.h"

#include "skin/props_win.h"

namespace skin {

WNDPROC replaceWindowProc(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

WNDPROC readProc(HWND window, const char* key) {
  return reinterpret_cast<WNDPROC>(readProp(window, key));
}

void writeProc(HWND window, const char* key, WNDPROC proc) {
  writeProp(window, key, reinterpret_cast<std::intptr_t>(proc));
}

bool subclassOnce(HWND window, const char* key, WNDPROC proc) {
  if (readProc(window, key)) return false;
  writeProc(window, key, replaceWindowProc(window, proc));
  return true;
}

LRESULT callStoredProc(const char* key, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC stored = readProc(window, key);
  if (!stored) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(stored, window, message, wParam, lParam);
}

}  // namespace skin
