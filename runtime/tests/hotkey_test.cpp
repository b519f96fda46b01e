// The system hotkey service.
#include <gtest/gtest.h>

#include <vector>

#include "pump_win.h"

using namespace runtime;

namespace {

std::vector<std::pair<std::int32_t, std::int32_t>> first, second;
int ownerMoves = 0;

}  // namespace

// One test: the ids are the process's, given out in order.
TEST(SystemHotkey, NotifiesTheLatestTargetWithEveryIdGivenOut) {
  static const WindowLayout w = [] {
    WindowLayout l;
    l.name = "hotkeys";
    l.width = 200;
    l.height = 150;
    l.onPositionChanged = [] { ++ownerMoves; };
    l.controls = {label("标签1", 10, 10, 32, 32), label("标签2", 50, 10, 32, 32)};
    l.controls[0].onFeedback = [](std::int32_t a, std::int32_t b) -> std::int32_t {
      first.emplace_back(a, b);
      return 0;
    };
    l.controls[1].onFeedback = [](std::int32_t a, std::int32_t b) -> std::int32_t {
      second.emplace_back(a, b);
      return 0;
    };
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  HWND owner = windowHandleOf({&w});
  HWND label1 = windowHandleOf({&w, "标签1"}), label2 = windowHandleOf({&w, "标签2"});

  EXPECT_EQ(registerSystemHotkey(owner, label1, 5, VK_F9), 33001);  // Ctrl+Alt+F9
  SendMessageW(owner, WM_HOTKEY, 33001, 0);
  EXPECT_EQ(first, (std::vector<std::pair<std::int32_t, std::int32_t>>{{33001, 0}}));

  // The second registration takes the next id and replaces the target.
  EXPECT_EQ(registerSystemHotkey(owner, label2, 6, VK_F9), 33002);  // Alt+Shift+F9
  SendMessageW(owner, WM_HOTKEY, 33001, 0);
  SendMessageW(owner, WM_HOTKEY, 33002, 0);
  EXPECT_EQ(first.size(), 1u);
  EXPECT_EQ(second, (std::vector<std::pair<std::int32_t, std::int32_t>>{{33001, 0}, {33002, 0}}));

  // A failed registration (the same key again) gives 0 and uses its id up.
  EXPECT_EQ(registerSystemHotkey(owner, label2, 5, VK_F9), 0);
  EXPECT_EQ(registerSystemHotkey(owner, label2, 1, VK_F9), 33004);

  // Ids never given out, and ids of failed registrations beyond the last, are not notified.
  second.clear();
  SendMessageW(owner, WM_HOTKEY, 33000, 0);
  SendMessageW(owner, WM_HOTKEY, 33005, 0);
  EXPECT_TRUE(second.empty());

  // The owner's own procedure still handles its messages.
  ownerMoves = 0;
  writeProperty({&w}, Property::left, std::int32_t{33});
  EXPECT_GE(ownerMoves, 1);

  // A real press of a registered key arrives as WM_HOTKEY.
  second.clear();
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event(VK_F9, 0, 0, 0);
  keybd_event(VK_F9, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  pumpUntil([] { return !second.empty(); }, 2000);
  EXPECT_EQ(second, (std::vector<std::pair<std::int32_t, std::int32_t>>{{33004, 0}}));
}
