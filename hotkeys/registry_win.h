#pragma once
// The registry's Win32 bindings and the program-wide instance `hotkeys`, which
// lives on the UI thread: created empty at start-up, polled by a thread-less
// timer of that thread's message loop, freed at shutdown.

#include <windows.h>

#include "registry.h"

namespace hotkeys {

// The three seams bound to GetAsyncKeyState, SetTimer(nullptr, 6661, period,
// onPollTimer) and CreateThread followed at once by CloseHandle.
HotkeySeams win32HotkeySeams();

// The program's registry; null before createHotkeys and after freeHotkeys.
extern HotkeyRegistry* hotkeys;

// Makes `hotkeys` a new, empty registry on the Win32 seams (start-up).
void createHotkeys();

// Frees `hotkeys` with all its entries (shutdown). The poll timer is not
// stopped: its later ticks find no registry and do nothing.
void freeHotkeys();

// registerHotkey and pollHotkeys on `hotkeys`; registering without a registry
// is refused (0).
std::int32_t registerHotkey(HotkeyCallback callback, std::int32_t keyCode, std::int32_t modifiers = 0,
                            std::int32_t secondKey = 0, std::int32_t pollInterval = 0);
void pollHotkeys();

// The poll timer's procedure; its arguments are ignored.
VOID CALLBACK onPollTimer(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace hotkeys
