#pragma once
// Window properties: the engine's only store of per-window state. Values are
// pointer-sized (handles, procedure addresses, codes, colours); a key that was
// never written reads 0, and nothing tells an absent key from a stored 0.

#include <windows.h>

#include <cstdint>

namespace skin {

// Stores value under key; the SetPropA result (nonzero on success).
BOOL writeProp(HWND window, const char* key, std::intptr_t value);
// The value under key, 0 when absent.
std::intptr_t readProp(HWND window, const char* key);
// Removes key; the value it held, 0 when absent.
std::intptr_t removeProp(HWND window, const char* key);

// The value as the 32-bit integer the engine's codes, colours and alphas are.
inline std::int32_t readInt(HWND window, const char* key) {
  return static_cast<std::int32_t>(readProp(window, key));
}

}  // namespace skin
