#include "embedded_images_win.h"

#include <windows.h>

#include "runtime/values.h"

namespace app {

namespace {

// A copy of one RCDATA resource of the executable; empty when it is missing.
runtime::Bytes resource(const wchar_t* name) {
  HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);  // module memory: nothing to free
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return runtime::bytesFromMemory(data, static_cast<std::int32_t>(SizeofResource(nullptr, found)));
}

}  // namespace

runtime::Bytes frameImage() {
  return resource(L"FRAME_PNG");
}
runtime::Bytes closeNormalImage() {
  return resource(L"CLOSE_NORMAL_PNG");
}
runtime::Bytes closeOverImage() {
  return resource(L"CLOSE_OVER_PNG");
}
runtime::Bytes closeDownImage() {
  return resource(L"CLOSE_DOWN_PNG");
}

}  // namespace app
