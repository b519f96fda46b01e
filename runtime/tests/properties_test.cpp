// Properties: stored values, clamps, texts, timers, writes from worker threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "pump_win.h"
#include "runtime/values.h"

using namespace runtime;

namespace {

WindowLayout plain(const char* name) {
  WindowLayout w;
  w.name = name;
  w.width = 240;
  w.height = 160;
  w.controls = {label("标签1", 10, 10, 60, 20), editBox("编辑框1", 10, 40, 80, 24), timer("时钟1")};
  return w;
}

}  // namespace

TEST(StoredValues, AnUnloadedWindowReadsItsLayoutThenWhatWasWritten) {
  static const WindowLayout w = plain("never");
  EXPECT_EQ(readInt({&w}, Property::left), 50);
  EXPECT_EQ(readInt({&w}, Property::top), 50);
  EXPECT_EQ(readInt({&w}, Property::width), 240);
  EXPECT_EQ(readInt({&w}, Property::height), 160);
  EXPECT_EQ(readInt({&w}, Property::visible), 1);
  EXPECT_EQ(readInt({&w, "编辑框1"}, Property::left), 10);
  EXPECT_EQ(readInt({&w, "编辑框1"}, Property::width), 80);

  writeProperty({&w}, Property::left, std::int32_t{70});
  writeProperty({&w}, Property::visible, std::int32_t{0});
  writeProperty({&w, "标签1"}, Property::height, std::int32_t{33});
  EXPECT_EQ(readInt({&w}, Property::left), 70);
  EXPECT_EQ(readInt({&w}, Property::visible), 0);
  EXPECT_EQ(readInt({&w, "标签1"}, Property::height), 33);
  EXPECT_EQ(windowHandleOf({&w}), nullptr);
}

TEST(StoredValues, TakeEffectAtTheNextLoad) {
  static const WindowLayout w = plain("stored");
  writeProperty({&w}, Property::left, std::int32_t{40});
  writeProperty({&w}, Property::top, std::int32_t{60});
  writeProperty({&w}, Property::width, std::int32_t{300});
  writeProperty({&w, "标签1"}, Property::left, std::int32_t{25});
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  const RECT r = windowRect(windowHandleOf({&w}));
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(readInt({&w, "标签1"}, Property::left), 25);
}

TEST(Clamps, PositionsAndSizesAreClampedStoredAndLive) {
  static const WindowLayout stored = plain("clamp-stored");
  static const WindowLayout live = plain("clamp-live");
  ASSERT_TRUE(loadWindow(live));
  Loaded guard{live};
  struct Case {
    Property property;
    std::int32_t written, read;
  };
  const Case cases[] = {{Property::left, -40000, -32627}, {Property::left, 40000, 32627},   {Property::left, 17, 17},
                        {Property::top, -32628, -32627},  {Property::top, 32628, 32627},    {Property::width, -5, 0},
                        {Property::width, 40000, 32627},  {Property::height, 32627, 32627}, {Property::height, -1, 0}};
  for (const Target t : {Target{&stored}, Target{&stored, "标签1"}, Target{&live, "标签1"}}) {
    for (const Case& c : cases) {
      writeProperty(t, c.property, c.written);
      EXPECT_EQ(readInt(t, c.property), c.read) << t.window->name << "." << t.control << " " << c.written;
    }
  }
}

TEST(Geometry, WindowWritesMoveAndResizeKeepingTheRest) {
  static const WindowLayout w = plain("geometry");
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  const RECT before = windowRect(h);
  writeProperty({&w}, Property::left, std::int32_t{120});
  writeProperty({&w}, Property::height, std::int32_t{210});
  const RECT after = windowRect(h);
  EXPECT_EQ(after.left, 120);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right - after.left, 240);
  EXPECT_EQ(after.bottom - after.top, 210);
  EXPECT_EQ(readInt({&w}, Property::left), 120);
  EXPECT_EQ(readInt({&w}, Property::height), 210);
  // A control's position is in the window's client coordinates.
  writeProperty({&w, "编辑框1"}, Property::top, std::int32_t{70});
  RECT er = windowRect(windowHandleOf({&w, "编辑框1"}));
  MapWindowPoints(HWND_DESKTOP, h, reinterpret_cast<POINT*>(&er), 2);
  EXPECT_EQ(er.top, 70);
  EXPECT_EQ(er.left, 10);
}

TEST(Visible, HidesAndShowsWindowsAndControls) {
  static const WindowLayout w = plain("visible");
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  writeProperty({&w}, Property::visible, std::int32_t{0});
  EXPECT_FALSE(IsWindowVisible(windowHandleOf({&w})));
  EXPECT_EQ(readInt({&w}, Property::visible), 0);
  writeProperty({&w}, Property::visible, std::int32_t{1});
  EXPECT_TRUE(IsWindowVisible(windowHandleOf({&w})));
  writeProperty({&w, "标签1"}, Property::visible, std::int32_t{0});
  EXPECT_FALSE(IsWindowVisible(windowHandleOf({&w, "标签1"})));
  EXPECT_EQ(readInt({&w, "标签1"}, Property::visible), 0);
}

TEST(Text, ChineseTextsReachTheControlsAndComeBack) {
  static const WindowLayout w = [] {
    WindowLayout l = plain("texts");
    l.controls[0].text = "X轴数值";
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  wchar_t buffer[64] = {};
  GetWindowTextW(windowHandleOf({&w, "标签1"}), buffer, 64);
  EXPECT_EQ(std::wstring(buffer), L"X轴数值");
  EXPECT_EQ(readText({&w, "编辑框1"}, Property::text), "");
  writeProperty({&w, "编辑框1"}, Property::text, Text("Y轴数值 12.5"));
  GetWindowTextW(windowHandleOf({&w, "编辑框1"}), buffer, 64);
  EXPECT_EQ(std::wstring(buffer), L"Y轴数值 12.5");
  SetWindowTextW(windowHandleOf({&w, "编辑框1"}), L"输入 3");
  EXPECT_EQ(readText({&w, "编辑框1"}, Property::text), "输入 3");
}

namespace {
std::atomic<int> ticks{0};
std::atomic<DWORD> tickAt{0};
}  // namespace

TEST(Timer, PeriodStartsRestartsAndStops) {
  static const WindowLayout w = [] {
    WindowLayout l = plain("timer");
    l.controls[2].onPeriodic = [] {
      if (ticks++ == 0) tickAt = GetTickCount();
    };
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  const Target t{&w, "时钟1"};
  ticks = 0;
  // No period in the layout: it does not run.
  pumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(readInt(t, Property::period), 0);

  writeProperty(t, Property::period, std::int32_t{10});
  EXPECT_TRUE(pumpUntil([] { return ticks >= 3; }));

  // Negative counts as 0: stopped.
  writeProperty(t, Property::period, std::int32_t{-20});
  EXPECT_EQ(readInt(t, Property::period), 0);
  pumpPending();
  ticks = 0;
  pumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 0);

  // Writing the same period again leaves the interval running: the first tick
  // comes one period after the first write, not after the second.
  ticks = 0;
  DWORD start = GetTickCount();
  writeProperty(t, Property::period, std::int32_t{400});
  pumpUntil([] { return false; }, 200);
  writeProperty(t, Property::period, std::int32_t{400});
  ASSERT_TRUE(pumpUntil([] { return ticks >= 1; }));
  EXPECT_LT(tickAt - start, 550u);

  // A different period restarts it: the first tick comes one new period after the write.
  writeProperty(t, Property::period, std::int32_t{0});
  ticks = 0;
  start = GetTickCount();
  writeProperty(t, Property::period, std::int32_t{400});
  pumpUntil([] { return false; }, 200);
  writeProperty(t, Property::period, std::int32_t{401});
  ASSERT_TRUE(pumpUntil([] { return ticks >= 1; }));
  EXPECT_GT(tickAt - start, 500u);
}

namespace {
std::atomic<DWORD> movedOn{0};
std::atomic<int> moves{0};
}  // namespace

TEST(Threads, AWorkersWriteIsDoneWhenItReturnsAndItsEventRanOnTheUiThread) {
  static const WindowLayout w = [] {
    WindowLayout l = plain("worker");
    l.onPositionChanged = [] {
      movedOn = GetCurrentThreadId();
      ++moves;
    };
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  moves = 0;
  std::atomic<bool> done{false};
  LONG leftSeen = 0;
  int movesSeen = 0;
  std::int32_t widthRead = 0;
  std::thread worker([&] {
    writeProperty({&w}, Property::left, std::int32_t{77});
    leftSeen = windowRect(h).left;  // straight after the call, from this thread
    movesSeen = moves;
    widthRead = readInt({&w}, Property::width);
    done = true;
  });
  pumpUntil([&] { return done.load(); });
  worker.join();
  EXPECT_EQ(leftSeen, 77);
  EXPECT_GE(movesSeen, 1);
  EXPECT_EQ(movedOn, uiThreadId);
  EXPECT_EQ(widthRead, 240);
}

TEST(Movable, WritesEditTheSystemMenu) {
  static const WindowLayout w = plain("movable-menu");
  static const WindowLayout fixed = [] {
    WindowLayout l = plain("fixed-at-load");
    l.movable = false;
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  ASSERT_TRUE(loadWindow(fixed));
  Loaded guard{w}, guard2{fixed};
  auto hasMove = [](const WindowLayout& l) {
    return GetMenuState(GetSystemMenu(windowHandleOf({&l}), FALSE), SC_MOVE, MF_BYCOMMAND) != static_cast<UINT>(-1);
  };
  EXPECT_TRUE(hasMove(w));
  EXPECT_FALSE(hasMove(fixed));
  EXPECT_EQ(readInt({&w}, Property::movable), 1);
  writeProperty({&w}, Property::movable, std::int32_t{0});
  EXPECT_FALSE(hasMove(w));
  EXPECT_EQ(readInt({&w}, Property::movable), 0);
  writeProperty({&w}, Property::movable, std::int32_t{1});
  EXPECT_TRUE(hasMove(w));
}
