#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "hotkeys/registry_win.h"

using namespace hotkeys;

namespace {

struct Firings {
  std::atomic<int> count{0};
  std::atomic<DWORD> thread{0};
  std::atomic<std::int32_t> id{0};
};
Firings f2Firings, f3Firings;

DWORD WINAPI onF2(LPVOID parameter) {
  f2Firings.thread = GetCurrentThreadId();
  f2Firings.id = hotkeyIdOf(parameter);
  ++f2Firings.count;
  return 0;
}

DWORD WINAPI onF3(LPVOID) {
  ++f3Firings.count;
  return 0;
}

int polls = 0;  // poll timer messages dispatched so far
int f2DownsInFocusWindow = 0;

// Runs this thread's message loop until done() holds, at most timeoutMs.
template <class Done>
bool pumpUntil(Done done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // The poll timers are the only thread-less timers here. (Wine hands their
      // procedure over as a handle of its own, so lParam does not name it.)
      if (msg.message == WM_TIMER && msg.hwnd == nullptr) ++polls;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

bool pumpPolls(int n) {
  const int target = polls + n;
  return pumpUntil([&] { return polls >= target; });
}

void sendKey(BYTE vk, bool up) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0, 0);
}

LRESULT CALLBACK focusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_F2) ++f2DownsInFocusWindow;
  return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the test's own that holds the keyboard focus while keys are pressed;
// the registry has no window at all.
class FocusWindow {
 public:
  FocusWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = focusWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HotkeysTestFocus";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window_);
    SetFocus(window_);
  }
  ~FocusWindow() { DestroyWindow(window_); }
  FocusWindow(const FocusWindow&) = delete;
  FocusWindow& operator=(const FocusWindow&) = delete;

  bool hasFocus() const { return GetForegroundWindow() == window_ && GetFocus() == window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace

TEST(PolledHotkeys, EachPressStartsTheCallbackOnceOnAWorkerThreadWhileAnotherWindowHasTheFocus) {
  createHotkeys();
  ASSERT_NE(hotkeys::hotkeys, nullptr);
  EXPECT_TRUE(hotkeys::hotkeys->entries.empty());
  FocusWindow focus;
  ASSERT_TRUE(pumpUntil([&] { return focus.hasFocus(); }));

  ASSERT_EQ(registerHotkey(onF2, VK_F2), firstHotkeyId);  // starts the real poll timer
  ASSERT_TRUE(pumpPolls(3));
  EXPECT_EQ(f2Firings.count, 0);

  for (int press = 1; press <= 3; ++press) {
    sendKey(VK_F2, false);
    ASSERT_TRUE(pumpUntil([&] { return f2Firings.count >= press; })) << "press " << press;
    ASSERT_TRUE(pumpPolls(5));  // held across several polls: no repeat
    EXPECT_EQ(f2Firings.count, press);
    EXPECT_NE(f2Firings.thread, 0u);
    EXPECT_NE(f2Firings.thread, GetCurrentThreadId());
    EXPECT_EQ(f2Firings.id, firstHotkeyId);
    sendKey(VK_F2, true);
    // Re-armed once a poll has seen the key up.
    ASSERT_TRUE(pumpUntil([] { return hotkeys::hotkeys->entries[0].latched == 0; })) << "press " << press;
  }
  ASSERT_TRUE(pumpPolls(3));
  EXPECT_EQ(f2Firings.count, 3);
  // The keys were not taken from the window that has the focus.
  EXPECT_TRUE(focus.hasFocus());
  EXPECT_EQ(f2DownsInFocusWindow, 3);

  freeHotkeys();
  EXPECT_EQ(hotkeys::hotkeys, nullptr);
}

TEST(PolledHotkeys, TimerTicksAfterTheRegistryIsFreedDoNothing) {
  createHotkeys();
  ASSERT_EQ(registerHotkey(onF3, VK_F3), firstHotkeyId);
  freeHotkeys();
  EXPECT_EQ(registerHotkey(onF3, VK_F3), 0);  // no registry to register in

  sendKey(VK_F3, false);
  ASSERT_TRUE(pumpPolls(5));
  sendKey(VK_F3, true);
  ASSERT_TRUE(pumpPolls(2));
  EXPECT_EQ(f3Firings.count, 0);
}
