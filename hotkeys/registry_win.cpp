#include "registry_win.h"

#include <type_traits>

namespace hotkeys {

static_assert(std::is_same_v<HotkeyCallback, LPTHREAD_START_ROUTINE>,
              "a hotkey callback must go to CreateThread as it is");
static_assert(std::is_same_v<decltype(&onPollTimer), TIMERPROC>);

namespace {

// The system ignores the id of a timer without a window and returns its own.
constexpr UINT_PTR pollTimerId = 6661;

}  // namespace

HotkeyRegistry* hotkeys = nullptr;

HotkeySeams win32HotkeySeams() {
  HotkeySeams seams;
  seams.keyState = [](int virtualKey) { return static_cast<std::int16_t>(GetAsyncKeyState(virtualKey)); };
  // Neither result is looked at: a failed timer means the keys never fire, a
  // failed thread start loses that one firing.
  seams.startTimer = [](std::int32_t period) {
    SetTimer(nullptr, pollTimerId, static_cast<UINT>(period), onPollTimer);
  };
  seams.startThread = [](HotkeyCallback callback, std::int32_t id) {
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, callback, hotkeyParameter(id), 0, &threadId);
    if (thread) CloseHandle(thread);  // never waited for
  };
  return seams;
}

void createHotkeys() {
  delete hotkeys;
  hotkeys = new HotkeyRegistry{{}, win32HotkeySeams()};
}

void freeHotkeys() {
  delete hotkeys;
  hotkeys = nullptr;
}

std::int32_t registerHotkey(HotkeyCallback callback, std::int32_t keyCode, std::int32_t modifiers,
                            std::int32_t secondKey, std::int32_t pollInterval) {
  if (!hotkeys) return 0;
  return registerHotkey(*hotkeys, callback, keyCode, modifiers, secondKey, pollInterval);
}

void pollHotkeys() {
  if (hotkeys) pollHotkeys(*hotkeys);
}

VOID CALLBACK onPollTimer(HWND, UINT, UINT_PTR, DWORD) {
  pollHotkeys();
}

}  // namespace hotkeys
