// A program that ends in one of the ways a runtime program can, writing what it
// saw to a file: `runtime_end_helper MODE FILE`.
#include <windows.h>

#include <cstring>
#include <string>
#include <thread>

#include "runtime/window_win.h"

using namespace runtime;

namespace {

std::wstring outFile;
DWORD uiThread = 0;
HWND firstWindow = nullptr;

void note(const std::string& line) {
  HANDLE f = CreateFileW(outFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
}

void exitRoutine() {
  note(std::string("exit") + (GetCurrentThreadId() == uiThread ? " ui" : " other") +
       (firstWindow && IsWindow(firstWindow) ? " alive" : " torn"));
}

void report(const Text& message) {
  note("reported " + std::to_string(message.size() > 0));
}

WindowLayout make(const char* name) {
  WindowLayout w;
  w.name = name;
  w.width = 160;
  w.height = 120;
  w.controls = {editBox("编辑框1", 10, 10, 80, 24), timer("时钟1")};
  return w;
}

const WindowLayout one = make("one");
const WindowLayout two = [] {
  WindowLayout w = make("two");
  w.visible = false;
  return w;
}();
const WindowLayout ending = [] {
  WindowLayout w = make("ending");
  w.controls[1].timer.period = 20;
  w.controls[1].onPeriodic = [] { endProgram(7); };
  return w;
}();
const WindowLayout asksToClose = [] {
  WindowLayout w = make("asks");
  w.onCloseRequested = [] { endProgram(5); };
  return w;
}();

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring mode = argv[1];
  outFile = argv[2];
  uiThread = GetCurrentThreadId();
  initRuntime();
  setFatalReporter(report);
  setExitRoutine(exitRoutine);

  if (mode == L"fatal-never-loaded") {
    readText({&one, "编辑框1"}, Property::text);
  } else if (mode == L"fatal-closed") {
    loadStartupWindow(one);
    DestroyWindow(windowHandleOf({&one}));
    writeProperty({&one, "时钟1"}, Property::period, std::int32_t{5});
  } else if (mode == L"fatal-from-worker") {
    loadStartupWindow(one);
    std::thread([] { writeProperty({&two}, Property::movable, std::int32_t{0}); }).detach();
    runMessageLoop();
  } else if (mode == L"end-from-handler") {
    loadStartupWindow(ending);
    firstWindow = windowHandleOf({&ending});
    runMessageLoop();
  } else if (mode == L"end-from-worker") {
    loadStartupWindow(one);
    firstWindow = windowHandleOf({&one});
    std::thread([] {
      Sleep(100);
      endProgram(3);
    }).detach();
    runMessageLoop();
  } else if (mode == L"last-window") {
    loadStartupWindow(one);
    loadWindow(two);
    firstWindow = windowHandleOf({&one});
    // The visible one by its close box, the hidden one by the program.
    PostMessageW(windowHandleOf({&one}), WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(windowHandleOf({&two}), WM_CLOSE, 0, 0);
    runMessageLoop();
  } else if (mode == L"close-requested") {
    loadStartupWindow(asksToClose);
    firstWindow = windowHandleOf({&asksToClose});
    PostMessageW(firstWindow, WM_CLOSE, 0, 0);
    runMessageLoop();
  }
  note("returned");
  return 9;
}
