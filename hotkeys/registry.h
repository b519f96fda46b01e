#pragma once
// The polling hotkey registry: a table of key combinations that a timer polls
// through GetAsyncKeyState, starting an entry's callback on a new thread when its
// combination is found pressed. Keys found this way stay with the program that
// has the focus. The poll reaches the system only through three seams (key
// state, timer start, thread start), so this half is portable; registry_win.h
// binds them to Win32 and holds the program-wide instance.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#if defined(_WIN32)
#define HOTKEY_CALLBACK_CC __stdcall
#else
#define HOTKEY_CALLBACK_CC
#endif

namespace hotkeys {

// A thread start routine with one pointer-sized parameter. On Windows this is
// exactly LPTHREAD_START_ROUTINE (DWORD WINAPI f(LPVOID)), so the entry's own
// routine goes to CreateThread unchanged, with no trampoline and nothing to
// allocate per firing. Its parameter carries the entry's id (hotkeyIdOf); its
// result is not used.
using HotkeyCallback = unsigned long(HOTKEY_CALLBACK_CC*)(void* parameter);

// The id that a callback receives as its parameter.
inline std::int32_t hotkeyIdOf(void* parameter) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(parameter));
}
inline void* hotkeyParameter(std::int32_t id) {
  return reinterpret_cast<void*>(static_cast<std::intptr_t>(id));
}

// Modifier bits of HotkeyEntry::modifiers, summed.
constexpr std::int32_t modAlt = 1;
constexpr std::int32_t modCtrl = 2;
constexpr std::int32_t modShift = 4;
constexpr std::int32_t modLeftWin = 8;

constexpr std::int32_t firstHotkeyId = 1000001;
constexpr std::int32_t defaultPollInterval = 10;  // ms

struct HotkeyEntry {
  std::int32_t id;  // firstHotkeyId + 0-based position in the table
  HotkeyCallback callback;
  // Low 8 bits of the magnitude: the virtual key. Positive fires when a poll
  // finds the key down; negative when a poll finds it up but pressed since the
  // previous query (a tap between two polls).
  std::int32_t keyCode;
  std::int32_t modifiers;  // the exact modifier mask required
  std::int32_t secondKey;  // 0, or a key (low 8 bits of the magnitude) that must be down too
  std::int32_t latched;    // 1 while the trigger condition holds; the entry fires at most once per press
};

// The system calls behind the registry.
struct HotkeySeams {
  // GetAsyncKeyState: sign bit = down now, bit 0 = pressed since the previous query.
  std::function<std::int16_t(int virtualKey)> keyState;
  // Starts the periodic timer that runs the poll (once, at the first registration).
  std::function<void(std::int32_t period)> startTimer;
  // Runs callback(hotkeyParameter(id)) on a new thread, not waited for.
  std::function<void(HotkeyCallback callback, std::int32_t id)> startThread;
};

struct HotkeyRegistry {
  std::vector<HotkeyEntry> entries;  // registration order; grows, never shrinks
  HotkeySeams seams;
};

// Value k - 1 is the state of virtual key k (1 to 255); the last value stays 0.
using KeySnapshot = std::array<std::int16_t, 256>;

// The virtual key a key code or second key names: the low 8 bits of its
// magnitude (0 names no key).
std::int32_t virtualKeyOf(std::int32_t code);

// The entry's id, or 0 when the registration is refused (nothing is stored):
// a keyCode or a nonzero secondKey that names no key, or a null callback.
// Registering an existing combination (same raw keyCode, modifiers and
// secondKey) only replaces its callback. The first new entry starts the poll
// timer: pollInterval ms when positive, else 10 ms.
std::int32_t registerHotkey(HotkeyRegistry& registry, HotkeyCallback callback, std::int32_t keyCode,
                            std::int32_t modifiers = 0, std::int32_t secondKey = 0, std::int32_t pollInterval = 0);

// One poll: the snapshot of all 255 keys first, then one pass over the table.
void pollHotkeys(HotkeyRegistry& registry);

// The table pass of a poll, over a snapshot already taken.
void pollHotkeys(HotkeyRegistry& registry, const KeySnapshot& snapshot);

}  // namespace hotkeys
