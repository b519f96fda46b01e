// chartframe's entry point.
#include <windows.h>

#include "runtime/runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime::initRuntime();
  MessageBoxW(nullptr, L"chartframe is being built: the frame comes next.", L"chartframe", MB_OK | MB_TOPMOST);
  return 0;
}
