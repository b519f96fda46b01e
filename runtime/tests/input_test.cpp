// The user's side: mouse pointer, moves by drag, Tab, clicks, feedback.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "pump_win.h"
#include "runtime/values.h"

using namespace runtime;

namespace {

WindowLayout frame(const char* name, bool dragAnywhere, std::string title = {}) {
  WindowLayout w;
  w.name = name;
  w.width = 240;
  w.height = 180;
  w.title = std::move(title);
  w.controlBox = !w.title.empty();
  w.borderStyle = 1;
  w.dragAnywhere = dragAnywhere;
  w.controls = {label("标签1", 150, 100, 60, 40)};
  return w;
}

POINT clientPoint(HWND h, int x, int y) {
  POINT p{x, y};
  ClientToScreen(h, &p);
  return p;
}

void mouseTo(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>(p.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
  in.mi.dy = static_cast<LONG>(p.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void button(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
}

// Drags with real input from `from` by (dx, dy), from a worker thread while the
// UI thread pumps (a move runs its own loop inside the UI thread's dispatch).
// `pressed` runs right after the button goes down, `midway` halfway through.
void drag(POINT from, int dx, int dy, const std::function<void()>& pressed = {},
          const std::function<void()>& midway = {}) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    mouseTo(from);
    Sleep(50);
    button(MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    if (pressed) pressed();
    Sleep(50);
    for (int i = 1; i <= 10; ++i) {
      mouseTo({from.x + dx * i / 10, from.y + dy * i / 10});
      Sleep(20);
      if (i == 5 && midway) midway();
    }
    Sleep(50);
    button(MOUSEEVENTF_LEFTUP);
    Sleep(50);
    done = true;
  });
  pumpUntil([&] { return done.load(); }, 10000);
  worker.join();
}

// What the system sends the window for a press at `at` on its caption or frame
// (`hit`). Under Wine without a window manager the frame and caption of a
// decorated window are left to the absent manager and cannot be clicked, so
// the tests deliver the press as the system would, with the button held.
std::function<void()> nonClientPress(HWND h, POINT at, WPARAM hit) {
  return [h, at, hit] { PostMessageW(h, WM_NCLBUTTONDOWN, hit, MAKELPARAM(at.x, at.y)); };
}

LONG stableLeft(HWND h) {
  return pumpUntilStable([h] { return windowRect(h).left; });
}

void activate(HWND h) {
  SetForegroundWindow(h);
  SetActiveWindow(h);
  pumpPending();
}

}  // namespace

TEST(MousePointer, CodeTwoShowsTheCrosshairAtOnceAndZeroTheArrow) {
  static const WindowLayout w = frame("pointer", false);
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  activate(h);
  const POINT inside = clientPoint(h, 40, 40);
  SetCursorPos(inside.x, inside.y);
  pumpUntil([] { return GetCursor() == LoadCursorW(nullptr, IDC_ARROW); });
  ASSERT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

  writeProperty({&w}, Property::mousePointer, intToBytes(2));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));  // without moving the mouse
  pumpPending();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
  POINT now;
  GetCursorPos(&now);
  EXPECT_EQ(now.x, inside.x);
  EXPECT_EQ(now.y, inside.y);

  writeProperty({&w}, Property::mousePointer, intToBytes(0));
  pumpPending();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

  // Over a child control the control's own pointer shows.
  writeProperty({&w}, Property::mousePointer, intToBytes(2));
  const POINT onLabel = clientPoint(h, 170, 120);
  SetCursorPos(onLabel.x, onLabel.y);
  pumpUntil([] { return GetCursor() == LoadCursorW(nullptr, IDC_ARROW); });
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  writeProperty({&w}, Property::mousePointer, Bytes{});  // the empty block is code 0
}

TEST(Movable, DragAnywhereMovesOnlyWhileMovable) {
  static const WindowLayout w = frame("drag-anywhere", true);
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  activate(h);
  LONG left = stableLeft(h);

  drag(clientPoint(h, 40, 40), 60, 30);
  LONG now = stableLeft(h);
  EXPECT_EQ(now, left + 60) << "a press on the window itself drags it";
  left = now;

  drag(clientPoint(h, 170, 120), 40, 0);  // on the label
  now = stableLeft(h);
  EXPECT_EQ(now, left + 40) << "a press on a label drags the window";
  left = now;

  writeProperty({&w}, Property::movable, std::int32_t{0});
  drag(clientPoint(h, 40, 40), 60, 30);
  EXPECT_EQ(stableLeft(h), left) << "no drag while not movable";
  drag(clientPoint(h, 170, 120), 60, 30);
  EXPECT_EQ(stableLeft(h), left);
  // The program still moves it.
  writeProperty({&w}, Property::left, std::int32_t{left - 25});
  EXPECT_EQ(windowRect(h).left, left - 25);
  left -= 25;

  writeProperty({&w}, Property::movable, std::int32_t{1});
  drag(clientPoint(h, 40, 40), 50, 20);
  EXPECT_EQ(stableLeft(h), left + 50) << "movable again";
}

TEST(Movable, CaptionAndMenuMovesAreRefusedWhileNotMovableButResizingWorks) {
  static const WindowLayout w = frame("caption", false, "标题");
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  activate(h);
  auto captionDrag = [h](int dx) {
    const POINT at = clientPoint(h, 40, 40);
    drag(at, dx, 0, nonClientPress(h, at, HTCAPTION));
  };
  LONG left = stableLeft(h);
  captionDrag(50);
  LONG now = stableLeft(h);
  EXPECT_EQ(now, left + 50) << "a caption drag moves a movable window";
  left = now;

  // The system menu's Move: the command, then the mouse carries the window.
  auto menuMove = [h](int dx) {
    const POINT at = clientPoint(h, 40, 40);
    drag(at, dx, 0, [h] { PostMessageW(h, WM_SYSCOMMAND, SC_MOVE, 0); });
  };
  menuMove(40);
  now = stableLeft(h);
  EXPECT_NE(now, left) << "the menu's Move moves a movable window";
  left = now;

  writeProperty({&w}, Property::movable, std::int32_t{0});
  captionDrag(50);
  EXPECT_EQ(stableLeft(h), left);
  menuMove(40);
  EXPECT_EQ(stableLeft(h), left);

  // Resizing by the frame still works.
  const RECT before = windowRect(h);
  const POINT at = clientPoint(h, 40, 40);
  drag(at, 30, 0, nonClientPress(h, at, HTRIGHT));
  pumpUntilStable([h] { return windowRect(h).right; });
  const RECT after = windowRect(h);
  EXPECT_EQ(after.left, left);
  EXPECT_EQ(after.right - after.left, (before.right - before.left) + 30);
}

TEST(Movable, AMoveUnderWayRunsToItsEnd) {
  static const WindowLayout w = frame("under-way", true);
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  activate(h);
  const LONG left = stableLeft(h);
  // A worker switches movable off halfway through the drag.
  drag(clientPoint(h, 40, 40), 60, 0, {}, [&] { writeProperty({&w}, Property::movable, std::int32_t{0}); });
  EXPECT_EQ(stableLeft(h), left + 60);
  drag(clientPoint(h, 40, 40), 60, 0);
  EXPECT_EQ(stableLeft(h), left + 60);
}

TEST(Tab, MovesAmongTabStopsAndNeverToALabel) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "tabs";
    l.width = 300;
    l.height = 200;
    l.controls = {editBox("编辑框1", 10, 10, 80, 24), label("标签1", 10, 40, 80, 20),
                  editBox("编辑框2", 10, 70, 80, 24), button("按钮1", 10, 100, 80, 30)};
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  activate(windowHandleOf({&w}));
  HWND e1 = windowHandleOf({&w, "编辑框1"}), e2 = windowHandleOf({&w, "编辑框2"}), b = windowHandleOf({&w, "按钮1"});
  SetFocus(e1);
  ASSERT_EQ(GetFocus(), e1);
  const HWND order[] = {e2, b, e1, e2};
  for (HWND expected : order) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    pumpPending();
    EXPECT_EQ(GetFocus(), expected);
  }
  EXPECT_EQ(GetWindowLongW(windowHandleOf({&w, "标签1"}), GWL_STYLE) & WS_TABSTOP, 0);
}

namespace {
int clicks = 0;
std::int32_t feedbackA = 0, feedbackB = 0;
DWORD feedbackThread = 0;
}  // namespace

TEST(Events, ClickedAndFeedbackRunTheirHandlers) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "events";
    l.width = 200;
    l.height = 150;
    l.controls = {button("按钮1", 10, 10, 80, 30), label("标签1", 10, 50, 50, 20)};
    l.controls[0].onClicked = [] { ++clicks; };
    l.controls[1].onFeedback = [](std::int32_t a, std::int32_t b) -> std::int32_t {
      feedbackA = a;
      feedbackB = b;
      feedbackThread = GetCurrentThreadId();
      return a + b;
    };
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  clicks = 0;
  SendMessageW(windowHandleOf({&w, "按钮1"}), BM_CLICK, 0, 0);
  pumpPending();
  EXPECT_EQ(clicks, 1);

  // From another thread the message is handled on the UI thread.
  LRESULT result = 0;
  std::atomic<bool> done{false};
  HWND labelWindow = windowHandleOf({&w, "标签1"});
  std::thread worker([&] {
    result = SendMessageW(labelWindow, 0x8075, 40, 2);
    done = true;
  });
  pumpUntil([&] { return done.load(); });
  worker.join();
  EXPECT_EQ(result, 42);
  EXPECT_EQ(feedbackA, 40);
  EXPECT_EQ(feedbackB, 2);
  EXPECT_EQ(feedbackThread, uiThreadId);
}
