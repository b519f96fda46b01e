// Loading windows: the order of events, nested loads, styles, closing.
#include <gtest/gtest.h>

#include <algorithm>

#include "pump_win.h"

using namespace runtime;

namespace {

// The events of the loads themselves: showing a window may move and size it
// once more (every WM_MOVE and WM_SIZE is an event), so a window's position and
// size events after its first size event are left out.
std::vector<std::string> firstOfEachLoad(const std::vector<std::string>& all) {
  std::vector<std::string> kept;
  std::vector<std::string> sized;  // prefixes ("B.", "") whose load has raised size changed
  for (const std::string& e : all) {
    const auto dot = e.find('.');
    const std::string prefix = dot == std::string::npos ? "" : e.substr(0, dot + 1);
    const std::string name = e.substr(prefix.size());
    const bool done = std::find(sized.begin(), sized.end(), prefix) != sized.end();
    if (done && (name == "position" || name == "size")) continue;
    if (name == "size") sized.push_back(prefix);
    kept.push_back(e);
  }
  return kept;
}

// Layout B, loaded from A's created handler.
WindowLayout makeB();
const WindowLayout& layoutB() {
  static const WindowLayout b = makeB();
  return b;
}

WindowLayout makeB() {
  WindowLayout w;
  w.name = "B";
  w.width = 180;
  w.height = 120;
  w.onCreated = [] { events.push_back("B.created"); };
  w.onPositionChanged = [] { events.push_back("B.position"); };
  w.onSizeChanged = [] { events.push_back("B.size"); };
  return w;
}

// A window whose created handler checks what exists at that moment.
const WindowLayout* single = nullptr;
WindowLayout makeSingle() {
  WindowLayout w;
  w.name = "single";
  w.width = 200;
  w.height = 150;
  w.controls = {label("标签1", 10, 10, 60, 20), editBox("编辑框1", 10, 40, 60, 24)};
  w.onCreated = [] {
    HWND h = windowHandleOf({single});
    events.push_back("created");
    events.push_back(std::string("controls ") +
                     (windowHandleOf({single, "标签1"}) && windowHandleOf({single, "编辑框1"}) ? "exist" : "missing"));
    events.push_back(std::string("window ") + (IsWindowVisible(h) ? "shown" : "hidden"));
  };
  w.onPositionChanged = [] { events.push_back("position"); };
  w.onSizeChanged = [] { events.push_back("size"); };
  return w;
}

const WindowLayout* outer = nullptr;
WindowLayout makeOuter() {
  WindowLayout w;
  w.name = "outer";
  w.width = 200;
  w.height = 150;
  w.onCreated = [] {
    events.push_back("outer.created");
    const bool ok = loadWindow(layoutB());
    events.push_back(std::string("load returned ") + (ok ? "true" : "false") + ", B " +
                     (IsWindowVisible(windowHandleOf({&layoutB()})) ? "shown" : "hidden"));
  };
  w.onPositionChanged = [] { events.push_back("outer.position"); };
  w.onSizeChanged = [] { events.push_back("outer.size"); };
  return w;
}

}  // namespace

TEST(Load, RaisesCreatedPositionSizeThenShows) {
  static const WindowLayout w = makeSingle();
  single = &w;
  events.clear();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  const std::vector<std::string> expected = {"created", "controls exist", "window hidden", "position", "size"};
  EXPECT_EQ(firstOfEachLoad(events), expected);
  EXPECT_TRUE(IsWindowVisible(windowHandleOf({&w})));
}

TEST(Load, NestedLoadFromCreatedIsCompleteWhenItReturns) {
  static const WindowLayout w = makeOuter();
  outer = &w;
  events.clear();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w}, guardB{layoutB()};
  const std::vector<std::string> expected = {
      "outer.created",  "B.created", "B.position", "B.size", "load returned true, B shown",
      "outer.position", "outer.size"};
  EXPECT_EQ(firstOfEachLoad(events), expected);
}

TEST(Load, AnAlreadyLoadedWindowIsRestoredWithoutEvents) {
  static const WindowLayout w = [] {
    WindowLayout l = makeB();
    l.name = "again";
    l.minimizeBox = true;
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  events.clear();
  EXPECT_TRUE(loadWindow(w));
  EXPECT_EQ(windowHandleOf({&w}), h);
  ShowWindow(h, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(h));
  EXPECT_TRUE(loadWindow(w));
  EXPECT_FALSE(IsIconic(h));
  pumpPending();
  // Only the restore's own moves and sizes: no second created.
  for (const auto& e : events) EXPECT_NE(e, "B.created");
}

TEST(Load, AWindowWithoutTheVisibleFlagStaysHidden) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "hidden";
    l.width = 100;
    l.height = 100;
    l.visible = false;
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  EXPECT_FALSE(IsWindowVisible(windowHandleOf({&w})));
  EXPECT_EQ(readInt({&w}, Property::visible), 0);
}

namespace {

struct StyleCase {
  const char* what;
  WindowLayout layout;
  DWORD present, absent;
  DWORD exPresent;
  bool owned;
};

WindowLayout styled(std::string title, std::int32_t border, bool controlBox, bool taskbar, bool onTop) {
  WindowLayout w;
  w.name = "styled";
  w.width = 160;
  w.height = 120;
  w.title = std::move(title);
  w.borderStyle = border;
  w.controlBox = controlBox;
  w.showInTaskbar = taskbar;
  w.alwaysOnTop = onTop;
  return w;
}

}  // namespace

TEST(Load, WindowStylesFollowTheLayout) {
  static const std::vector<StyleCase> cases = {
      {"overlay-like: no title, no control box, resizable, on top, no taskbar", styled("", 1, false, false, true),
       WS_DLGFRAME | WS_CLIPCHILDREN | WS_THICKFRAME, WS_CAPTION & ~WS_DLGFRAME, WS_EX_TOPMOST, true},
      {"settings-like: fixed frame, control box", styled("", 2, true, true, false),
       WS_DLGFRAME | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX, 0,
       false},
      {"a title without control box has a caption", styled("标题", 2, false, true, false),
       WS_CAPTION | WS_DLGFRAME | WS_CLIPCHILDREN, WS_SYSMENU | WS_THICKFRAME, 0, false},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(loadWindow(c.layout));
    Loaded guard{c.layout};
    HWND h = windowHandleOf({&c.layout});
    const DWORD style = GetWindowLongW(h, GWL_STYLE);
    const DWORD ex = GetWindowLongW(h, GWL_EXSTYLE);
    EXPECT_EQ(style & c.present, c.present);
    EXPECT_EQ(style & c.absent, 0u);
    EXPECT_EQ(ex & c.exPresent, c.exPresent);
    EXPECT_EQ(GetWindow(h, GW_OWNER) != nullptr, c.owned);
    // Centred on the primary screen.
    const RECT r = windowRect(h);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 160) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 120) / 2);
    EXPECT_EQ(r.right - r.left, 160);
    EXPECT_EQ(r.bottom - r.top, 120);
    wchar_t title[32] = {};
    GetWindowTextW(h, title, 32);
    EXPECT_EQ(std::wstring(title), c.layout.title.empty() ? L"" : L"标题");
  }
}

TEST(Close, ACloseRequestDestroysTheWindowAndLaterWritesOnlyStore) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "closing";
    l.width = 150;
    l.height = 100;
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  HWND h = windowHandleOf({&w});
  SendMessageW(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(windowHandleOf({&w}), nullptr);
  writeProperty({&w}, Property::visible, std::int32_t{1});
  EXPECT_EQ(windowHandleOf({&w}), nullptr);
  // Its last geometry is what reads give now.
  EXPECT_EQ(readInt({&w}, Property::width), 150);
}

namespace {
int closeRequests = 0;
}

TEST(Close, ABoundCloseRequestedHandlerRunsInsteadOfDestroying) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "asks";
    l.width = 150;
    l.height = 100;
    l.onCloseRequested = [] {
      ++closeRequests;
      EXPECT_EQ(GetCurrentThreadId(), uiThreadId);
    };
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND h = windowHandleOf({&w});
  closeRequests = 0;
  SendMessageW(h, WM_CLOSE, 0, 0);              // the close box, Alt+F4
  SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu's Close
  PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);    // Esc
  pumpUntil([] { return closeRequests == 3; });
  EXPECT_EQ(closeRequests, 3);
  EXPECT_TRUE(IsWindow(h));
  EXPECT_EQ(windowHandleOf({&w}), h);
}

TEST(Close, EscClosesOnlyWhereTheLayoutSaysSo) {
  static const WindowLayout closes = [] {
    WindowLayout l;
    l.name = "esc";
    l.width = 150;
    l.height = 100;
    l.controls = {editBox("编辑框1", 10, 10, 80, 24)};
    return l;
  }();
  static const WindowLayout stays = [] {
    WindowLayout l = closes;
    l.name = "noesc";
    l.escCloses = false;
    return l;
  }();
  for (const WindowLayout* w : {&closes, &stays}) {
    ASSERT_TRUE(loadWindow(*w));
    Loaded guard{*w};
    HWND edit = windowHandleOf({w, "编辑框1"});
    SetFocus(edit);
    // The key goes to the focused control, as a real press would.
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    pumpPending();
    EXPECT_EQ(windowHandleOf({w}) == nullptr, w == &closes) << w->name;
  }
}
