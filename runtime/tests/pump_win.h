#pragma once
// The tests' side of the UI thread: they pump its messages themselves (through
// the runtime's keyboard handling) instead of running the message loop, which
// would end the process.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/window_win.h"

// Dispatches whatever is queued now.
void pumpPending();

// Pumps until `done` holds, at most timeoutMs; the result is `done`'s last answer.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Pumps until `value` gives the same answer twice in a row, 50 ms apart.
template <class F>
auto pumpUntilStable(F value) {
  auto last = value();
  for (int i = 0; i < 100; ++i) {
    pumpUntil([] { return false; }, 50);
    auto now = value();
    if (now == last) return now;
    last = now;
  }
  return last;
}

// Destroys the window of a layout at the end of a test.
struct Loaded {
  const runtime::WindowLayout& layout;
  ~Loaded() {
    if (HWND h = windowHandleOf({&layout})) DestroyWindow(h);
  }
};

// Records of events, in order.
extern std::vector<std::string> events;
extern DWORD uiThreadId;

RECT windowRect(HWND hwnd);
