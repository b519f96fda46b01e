// The runtime's lifecycle: start, the message loop, the keyboard handling of
// the loop, and the three ends of a program (endProgram, a fatal error, the
// last window gone).
#include <windows.h>

#include <cstdio>

#include "runtime.h"
#include "state_win.h"
#include "system.h"
#include "ui_thread_win.h"
#include "wide_win.h"
#include "window_win.h"

namespace runtime {

namespace {

Handler exitRoutine = nullptr;
bool exitRoutineRan = false;
bool stopped = false;
bool inLoop = false;

void showFatal(const Text& message) {
  MessageBoxW(nullptr, toWide(message).c_str(), L"Runtime error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
void (*fatalReporter)(const Text&) = showFatal;

// Events stop, the windows go (their procedures raise nothing now), the exit
// routine runs once, the process exits.
[[noreturn]] void finish(std::int32_t exitCode) {
  stopped = true;
  for (HWND hwnd : detail::loadedWindows())
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  if (exitRoutine && !exitRoutineRan) {
    exitRoutineRan = true;
    exitRoutine();
  }
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace

namespace detail {

bool eventsStopped() {
  return stopped;
}
void stopEvents() {
  stopped = true;
}

void fatalError(const Text& message) {
  if (!stopped && fatalReporter) fatalReporter(message);
  finish(-1);
}

void lastWindowGone() {
  if (inLoop && !stopped) PostQuitMessage(0);
}

}  // namespace detail

void initRuntime() {
  enterRunDirectory();
  detail::startUiThread();
  detail::registerWindowClass();
}

void setExitRoutine(Handler routine) {
  exitRoutine = routine;
}

void setFatalReporter(void (*reporter)(const Text& message)) {
  fatalReporter = reporter ? reporter : showFatal;
}

int runMessageLoop() {
  inLoop = true;
  int code = 0;
  if (!detail::loadedWindows().empty()) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) dispatchMessage(msg);
    if (got == 0) code = static_cast<int>(msg.wParam);
  }
  finish(code);
}

void endProgram(std::int32_t exitCode) {
  // Windows can only be destroyed by their own thread: a worker hands the end over.
  detail::onUi([&] { finish(exitCode); });
  finish(exitCode);  // not reached: the UI thread has ended the process
}

void dispatchMessage(MSG& msg) {
  if (preTranslateMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void pumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) dispatchMessage(msg);
}

bool preTranslateMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_ESCAPE)) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  detail::WindowState* s = detail::loadedState(root);
  if (!s) return false;
  if (msg.wParam == VK_ESCAPE) {
    if (!s->layout->escCloses) return false;
    SendMessageW(root, WM_CLOSE, 0, 0);
    return true;
  }
  HWND focus = GetFocus();
  if (focus && !IsChild(root, focus)) focus = nullptr;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  HWND next = GetNextDlgTabItem(root, focus, back);
  if (next && next != focus) {
    SetFocus(next);
    // As in dialogs: an edit box reached by Tab has its whole text selected.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
  }
  return true;
}

}  // namespace runtime
