#include "program_win.h"

#include "app/layouts.h"
#include "app/startup_win.h"
#include "runtime/window_win.h"

namespace app::testing_support {

DWORD uiThread = 0;

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
    runtime::pumpPendingMessages();
    Sleep(1);
  }
  return true;
}

void pumpFor(int ms) {
  pumpUntil([] { return false; }, ms);
}

void Program::SetUp() {
  uiThread = GetCurrentThreadId();
  prepareProgram();
  ASSERT_TRUE(runtime::loadWindow(overlayWindow));
}

void Program::TearDown() {
  ClipCursor(nullptr);
}

HWND overlay() {
  return windowHandleOf({&overlayWindow});
}

}  // namespace app::testing_support
