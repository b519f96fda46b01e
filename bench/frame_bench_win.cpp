// Times the program's own frame: how long the start takes until the window
// manager is handed the first picture (the frame alone) and the first picture
// with the close button, and how long one recomposition takes while the frame
// is resized interactively at its start size and at a full-HD size. The start
// runs exactly the program's steps (prepareProgram, then loading the overlay)
// with the compositor's present observer watching what is handed over.
//
// Run it on a screen big enough for the full-HD frame:
//   xvfb-run -a -s "-screen 0 1920x1200x24 +extension Composite" scripts/wine-session scripts/wine-run
//   build/win32/bin/frame_bench.exe   (one command line)
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "app/layouts.h"
#include "app/startup_win.h"
#include "runtime/runtime.h"
#include "runtime/window.h"
#include "runtime/window_win.h"
#include "skin/compositor_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"

namespace {

double qpcSeconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::uint64_t ticks(const FILETIME& t) {
  return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}

// Seconds from the process's creation to now, by the system clock.
double sinceProcessCreation() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<double>(ticks(now) - ticks(created)) * 1e-7;
}

// What the present observer has seen.
struct Seen {
  int presents = 0;           // presentations of the watched window (any window until it is known)
  double firstPresent = 0;    // QPC seconds of the first presentation; 0 until then
  double firstWithClose = 0;  // of the first one with the skinned close button painted in
  HWND watched = nullptr;
} seen;

// The close button is in the picture when some child of the presented window
// is a skinned control with its normal image: compose paints exactly those.
bool hasSkinnedButton(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (skin::readProp(child, skin::keys::type) && skin::readProp(child, skin::keys::normalImage)) return true;
  }
  return false;
}

void onPresent(const skin::Presentation& p) {
  if (seen.watched && p.window != seen.watched) return;
  const double t = qpcSeconds();
  ++seen.presents;
  if (seen.firstPresent == 0) seen.firstPresent = t;
  if (seen.firstWithClose == 0 && hasSkinnedButton(p.window)) seen.firstWithClose = t;
}

bool pumpUntil(const std::function<bool()>& done, double timeoutSeconds) {
  const double start = qpcSeconds();
  while (!done()) {
    if (qpcSeconds() - start > timeoutSeconds) return false;
    runtime::pumpPendingMessages();
    Sleep(1);
  }
  return true;
}

struct StepFigures {
  int steps = 0;
  double mean = 0, minimum = 0, maximum = 0;  // seconds per recomposition
  double presentsPerStep = 0;
  int width = 0, height = 0;  // the outer size actually reached
};

SIZE outerSize(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Puts the frame at (x, y) with the given size, then times resize steps of one
// pixel around it as a user's drag would make them: each SetWindowPos raises
// WM_SIZE, whose handler places the close button and recomposes and presents.
// Steps run until `budgetSeconds` has passed, at least `minSteps` of them.
StepFigures timeResizeSteps(HWND frame, int x, int y, int width, int height, int minSteps, double budgetSeconds) {
  SetWindowPos(frame, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  runtime::pumpPendingMessages();
  StepFigures f;
  const SIZE reached = outerSize(frame);
  f.width = reached.cx;
  f.height = reached.cy;

  static const int deltas[] = {1, 0, -1, 0};
  auto step = [&](int i) {
    const int d = deltas[i % 4];  // every step changes the size
    const int before = seen.presents;
    const double start = qpcSeconds();
    SetWindowPos(frame, nullptr, 0, 0, width + d, height + d, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The recomposition runs inside the size change; pumping only covers a
    // presentation that would have been deferred.
    pumpUntil([&] { return seen.presents > before; }, 10);
    return std::pair{qpcSeconds() - start, seen.presents - before};
  };

  step(0);  // warm-up, not counted: the first step after the jump to the size
  double total = 0;
  int presents = 0;
  f.minimum = 1e9;
  const double begin = qpcSeconds();
  for (int i = 1; f.steps < minSteps || qpcSeconds() - begin < budgetSeconds; ++i) {
    const auto [seconds, count] = step(i);
    total += seconds;
    presents += count;
    f.minimum = std::min(f.minimum, seconds);
    f.maximum = std::max(f.maximum, seconds);
    ++f.steps;
  }
  // Back to the exact size, so the next run starts from a settled frame.
  SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  f.mean = total / f.steps;
  f.presentsPerStep = static_cast<double>(presents) / f.steps;
  return f;
}

}  // namespace

int main() {
  const double mainEntered = qpcSeconds();
  const double processToMain = sinceProcessCreation();
  // From process creation: the system clock up to main, the counter after it.
  auto fromProcess = [&](double t) { return (processToMain + t - mainEntered) * 1e3; };
  auto fromMain = [&](double t) { return (t - mainEntered) * 1e3; };

  skin::setPresentObserver(onPresent);
  app::prepareProgram();
  const double prepared = qpcSeconds();
  if (!runtime::loadWindow(app::overlayWindow)) {
    std::fprintf(stderr, "frame_bench: the overlay window could not be loaded\n");
    return 1;
  }
  const double loaded = qpcSeconds();
  if (!pumpUntil([] { return seen.firstWithClose != 0; }, 10)) {
    std::fprintf(stderr, "frame_bench: no picture with the close button was presented\n");
    ClipCursor(nullptr);
    return 1;
  }
  const HWND frame = windowHandleOf({&app::overlayWindow});
  seen.watched = frame;

  std::printf("Start-up                                  from process  from main\n");
  std::printf("  main entered                            %9.1f ms  %7.1f ms\n", fromProcess(mainEntered), 0.0);
  std::printf("  prepareProgram done                     %9.1f ms  %7.1f ms\n", fromProcess(prepared),
              fromMain(prepared));
  std::printf("  first present (frame alone)             %9.1f ms  %7.1f ms\n", fromProcess(seen.firstPresent),
              fromMain(seen.firstPresent));
  std::printf("  first present with the close button     %9.1f ms  %7.1f ms\n", fromProcess(seen.firstWithClose),
              fromMain(seen.firstWithClose));
  std::printf("  overlay loaded and shown                %9.1f ms  %7.1f ms\n", fromProcess(loaded), fromMain(loaded));
  std::fflush(stdout);

  const struct {
    int width, height, minSteps;
    double budgetSeconds;
  } sizes[] = {{327, 229, 10, 3}, {1920, 1080, 5, 6}};
  RECT start = {};
  GetWindowRect(frame, &start);
  std::printf("\nRecomposition per resize step (SetWindowPos +-1 px -> WM_SIZE -> compose + present)\n");
  std::printf("  size         steps   mean ms    min ms    max ms  presents/step\n");
  for (const auto& s : sizes) {
    // The big frame starts at the screen's corner so that all of it is on screen.
    const bool fits =
        s.width <= GetSystemMetrics(SM_CXSCREEN) - start.left && s.height <= GetSystemMetrics(SM_CYSCREEN) - start.top;
    const StepFigures f = timeResizeSteps(frame, fits ? start.left : 0, fits ? start.top : 0, s.width, s.height,
                                          s.minSteps, s.budgetSeconds);
    char label[32];
    std::snprintf(label, sizeof label, "%dx%d", f.width, f.height);
    std::printf("  %-11s %6d %9.1f %9.1f %9.1f %14.2f\n", label, f.steps, f.mean * 1e3, f.minimum * 1e3,
                f.maximum * 1e3, f.presentsPerStep);
    std::fflush(stdout);
  }

  // Moving the frame locked the cursor to it; free it before the program ends.
  ClipCursor(nullptr);
  skin::setPresentObserver(nullptr);
  runtime::endProgram(0);
}
