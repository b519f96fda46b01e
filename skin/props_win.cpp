#include "skin/props_win.h"

namespace skin {

BOOL writeProp(HWND window, const char* key, std::intptr_t value) {
  return SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

std::intptr_t readProp(HWND window, const char* key) {
  return reinterpret_cast<std::intptr_t>(GetPropA(window, key));
}

std::intptr_t removeProp(HWND window, const char* key) {
  return reinterpret_cast<std::intptr_t>(RemovePropA(window, key));
}

}  // namespace skin
