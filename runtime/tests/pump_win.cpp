#include "pump_win.h"

#include <gtest/gtest.h>

#include "runtime/runtime.h"

std::vector<std::string> events;
DWORD uiThreadId = 0;

namespace {

// The test program's main thread is the runtime's UI thread.
class RuntimeEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    uiThreadId = GetCurrentThreadId();
    runtime::initRuntime();
  }
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new RuntimeEnvironment);

}  // namespace

void pumpPending() { runtime::pumpPendingMessages(); }

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    pumpPending();
    if (done()) return true;
    if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

RECT windowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}
