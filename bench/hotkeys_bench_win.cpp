// The polling hotkey registry's cost: one poll (255 key queries and the table
// pass), and the process's CPU time per second while the registry polls an idle
// keyboard on its real timer.
//   hotkeys_bench.exe [seconds of idle polling, default 5]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "hotkeys/registry_win.h"

using namespace hotkeys;

namespace {

DWORD WINAPI noCallback(LPVOID) {
  return 0;
}

VOID CALLBACK onEmptyTimer(HWND, UINT, UINT_PTR, DWORD) {}

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

// User plus kernel time of the whole process, in seconds.
double processCpu() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto value = [](FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  return static_cast<double>(value(kernel) + value(user)) * 100e-9;
}

// Runs the message loop for the given time; returns the thread-less timer ticks seen.
int pumpFor(double duration) {
  int ticks = 0;
  const LARGE_INTEGER start = now();
  while (seconds(start, now()) < duration) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_TIMER && msg.hwnd == nullptr) ++ticks;
      DispatchMessageW(&msg);
    }
  }
  return ticks;
}

struct Idle {
  int ticks;
  double wall;
  double cpu;
};

template <class Start>
Idle measureIdle(double duration, Start start) {
  const double cpu0 = processCpu();
  const LARGE_INTEGER wall0 = now();
  start();
  const int ticks = pumpFor(duration);
  return {ticks, seconds(wall0, now()), processCpu() - cpu0};
}

void printIdle(const char* what, const Idle& idle) {
  std::printf("%-34s %6d ticks in %.2f s (%.1f/s), CPU %.2f ms per second (%.2f %%)\n", what, idle.ticks, idle.wall,
              idle.ticks / idle.wall, 1000.0 * idle.cpu / idle.wall, 100.0 * idle.cpu / idle.wall);
}

}  // namespace

int main(int argc, char** argv) {
  const double idleSeconds = argc > 1 ? std::atof(argv[1]) : 5.0;

  // One poll on the real key state, with the program's three entries.
  HotkeyRegistry registry{{}, win32HotkeySeams()};
  registry.seams.startTimer = [](std::int32_t) {};  // polled by hand here
  for (int vk : {VK_F2, VK_F3, VK_F4}) registerHotkey(registry, noCallback, vk);
  for (int i = 0; i < 200; ++i) pollHotkeys(registry);
  const int polls = 20000;
  LARGE_INTEGER t0 = now();
  for (int i = 0; i < polls; ++i) pollHotkeys(registry);
  const double perPoll = seconds(t0, now()) / polls;

  const KeySnapshot idleKeys{};
  const int passes = 1000000;
  t0 = now();
  for (int i = 0; i < passes; ++i) pollHotkeys(registry, idleKeys);
  const double perPass = seconds(t0, now()) / passes;

  std::printf("one poll (255 key queries + table pass, 3 entries): %.2f us\n", perPoll * 1e6);
  std::printf("  of which the table pass alone:                    %.1f ns\n", perPass * 1e9);
  std::printf("  per key query:                                    %.3f us\n", (perPoll - perPass) / 255 * 1e6);

  // Idle polling: a do-nothing 10 ms timer first, to separate the timer's own
  // cost, then the program's registry on its real timer.
  UINT_PTR emptyTimer = 0;
  const Idle timerOnly =
      measureIdle(idleSeconds, [&] { emptyTimer = SetTimer(nullptr, 0, defaultPollInterval, onEmptyTimer); });
  KillTimer(nullptr, emptyTimer);
  pumpFor(0.1);  // a tick already queued

  createHotkeys();
  const Idle polling = measureIdle(idleSeconds, [] {
    for (int vk : {VK_F2, VK_F3, VK_F4}) registerHotkey(noCallback, vk);
  });
  printIdle("idle, empty 10 ms timer:", timerOnly);
  printIdle("idle, registry polling (10 ms):", polling);
  std::printf("CPU of the polling itself: %.2f ms per second\n",
              1000.0 * (polling.cpu / polling.wall - timerOnly.cpu / timerOnly.wall));
  freeHotkeys();
  return 0;
}
