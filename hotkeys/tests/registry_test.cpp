#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "hotkeys/registry.h"

using namespace hotkeys;

namespace {

constexpr int vkShift = 16, vkCtrl = 17, vkAlt = 18, vkLeftWin = 0x5B, vkRightWin = 0x5C;
constexpr int vkA = 0x41, vkF2 = 0x71, vkF3 = 0x72, vkF4 = 0x73;

// GetAsyncKeyState values. The first query of a press reports "down, pressed
// since"; later ones "down"; a press that began and ended between two queries
// reports "up, pressed since".
constexpr std::int16_t down = -32767;  // 0x8001
constexpr std::int16_t held = -32768;  // 0x8000
constexpr std::int16_t tapped = 1;

constexpr std::int32_t id1 = 1000001, id2 = 1000002, id3 = 1000003;

unsigned long HOTKEY_CALLBACK_CC callbackA(void*) {
  return 0;
}
unsigned long HOTKEY_CALLBACK_CC callbackB(void*) {
  return 0;
}

struct Start {
  HotkeyCallback callback;
  std::int32_t id;
  std::size_t queriesBefore;  // key queries made in this poll before the start
};

// A registry on seams that read a settable keyboard and record what they are asked.
class Keyboard {
 public:
  Keyboard() {
    registry.seams.keyState = [this](int vk) {
      queries.push_back(vk);
      return state[vk];
    };
    registry.seams.startTimer = [this](std::int32_t period) { timerPeriods.push_back(period); };
    registry.seams.startThread = [this](HotkeyCallback callback, std::int32_t id) {
      starts.push_back({callback, id, queries.size()});
    };
  }

  // One poll with exactly these keys in these states (all others up); the ids it fired.
  std::vector<std::int32_t> poll(const std::vector<std::pair<int, std::int16_t>>& keys) {
    state.fill(0);
    for (const auto& [vk, value] : keys) state[vk] = value;
    queries.clear();
    starts.clear();
    pollHotkeys(registry);
    std::vector<std::int32_t> fired;
    for (const Start& s : starts) fired.push_back(s.id);
    return fired;
  }

  HotkeyRegistry registry;
  std::array<std::int16_t, 256> state{};  // by virtual-key code
  std::vector<int> queries;
  std::vector<std::int32_t> timerPeriods;
  std::vector<Start> starts;
};

}  // namespace

TEST(RegisterHotkey, NumbersEntriesAndStartsTheTimerOnceWithItsPeriod) {
  struct Case {
    std::int32_t pollInterval;
    std::int32_t period;
  } cases[] = {
      {0, 10}, {-1, 10}, {std::numeric_limits<std::int32_t>::min(), 10}, {1, 1}, {25, 25}, {10, 10},
  };
  for (const auto& c : cases) {
    Keyboard k;
    EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF2, 0, 0, c.pollInterval), id1) << c.pollInterval;
    EXPECT_EQ(k.timerPeriods, std::vector<std::int32_t>{c.period}) << c.pollInterval;
    // Later registrations start nothing and their interval counts for nothing.
    EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF3, 0, 0, 50), id2);
    EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF4), id3);
    EXPECT_EQ(k.timerPeriods, std::vector<std::int32_t>{c.period}) << c.pollInterval;
    ASSERT_EQ(k.registry.entries.size(), 3u);
    const HotkeyEntry& e = k.registry.entries[1];
    EXPECT_EQ(e.id, id2);
    EXPECT_EQ(e.keyCode, vkF3);
    EXPECT_EQ(e.latched, 0);
  }
}

TEST(RegisterHotkey, RefusesCombinationsThatNameNoKeyAndStoresNothing) {
  constexpr std::int32_t smallest = std::numeric_limits<std::int32_t>::min();
  struct Case {
    HotkeyCallback callback;
    std::int32_t keyCode;
    std::int32_t secondKey;
  } cases[] = {
      {callbackA, 0, 0},        {callbackA, 256, 0},         {callbackA, -512, 0},
      {callbackA, smallest, 0}, {callbackA, 0x100, vkA},     {callbackA, vkF2, 256},
      {callbackA, vkF2, -512},  {callbackA, vkF2, smallest}, {nullptr, vkF2, 0},
  };
  for (const auto& c : cases) {
    Keyboard k;
    EXPECT_EQ(registerHotkey(k.registry, c.callback, c.keyCode, 0, c.secondKey), 0) << c.keyCode << " " << c.secondKey;
    EXPECT_TRUE(k.registry.entries.empty());
    EXPECT_TRUE(k.timerPeriods.empty());
    // A refusal uses up no id and does not keep the timer from starting.
    EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF2), id1);
    EXPECT_EQ(k.timerPeriods.size(), 1u);
  }
}

TEST(RegisterHotkey, AcceptsEveryCodeWhoseLowByteNamesAKey) {
  for (std::int32_t code : {1, 255, -1, -255, 0x171, -0x171, 0x7FFFFFFF, -0x7FFFFFFF}) {
    Keyboard k;
    EXPECT_EQ(registerHotkey(k.registry, callbackA, code, 0, code), id1) << code;
  }
}

TEST(RegisterHotkey, SameCombinationAgainReplacesOnlyTheCallback) {
  Keyboard k;
  ASSERT_EQ(registerHotkey(k.registry, callbackA, vkF2), id1);
  ASSERT_EQ(registerHotkey(k.registry, callbackA, vkF3), id2);
  EXPECT_EQ(k.poll({{vkF2, down}}), std::vector<std::int32_t>{id1});
  EXPECT_EQ(k.starts[0].callback, callbackA);

  // While F2 is still held: the latch survives, so the new callback does not fire yet.
  EXPECT_EQ(registerHotkey(k.registry, callbackB, vkF2, 0, 0, 99), id1);
  EXPECT_EQ(k.registry.entries.size(), 2u);
  EXPECT_EQ(k.timerPeriods, std::vector<std::int32_t>{10});
  EXPECT_EQ(k.registry.entries[0].latched, 1);
  EXPECT_TRUE(k.poll({{vkF2, held}}).empty());

  EXPECT_TRUE(k.poll({}).empty());
  EXPECT_EQ(k.poll({{vkF2, down}}), std::vector<std::int32_t>{id1});
  EXPECT_EQ(k.starts[0].callback, callbackB);
  EXPECT_EQ(k.registry.entries[1].callback, callbackA);  // F3 untouched

  // Any difference in the raw values is another combination.
  EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF2, modCtrl), id3);
  EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF2, 0, vkA), id3 + 1);
  EXPECT_EQ(registerHotkey(k.registry, callbackA, vkF2, 0, -vkA), id3 + 2);
  EXPECT_EQ(registerHotkey(k.registry, callbackA, -vkF2), id3 + 3);
  EXPECT_EQ(registerHotkey(k.registry, callbackA, 0x171), id3 + 4);
  EXPECT_EQ(registerHotkey(k.registry, callbackB, vkF2, modCtrl), id3);
}

TEST(PollHotkeys, QueriesEveryKeyOnceBeforeLookingAtAnyEntry) {
  Keyboard k;
  registerHotkey(k.registry, callbackA, vkF2);
  registerHotkey(k.registry, callbackA, vkF3);
  std::vector<int> all;
  for (int vk = 1; vk <= 255; ++vk) all.push_back(vk);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(k.poll({{vkF2, down}, {vkF3, down}}).size(), i == 0 ? 2u : 0u);
    EXPECT_EQ(k.queries, all);
    for (const Start& s : k.starts) EXPECT_EQ(s.queriesBefore, 255u);
  }
}

namespace {

struct Registration {
  std::int32_t keyCode;
  std::int32_t modifiers = 0;
  std::int32_t secondKey = 0;
};

struct Poll {
  std::vector<std::pair<int, std::int16_t>> keys;
  std::vector<std::int32_t> fired;
  int times = 1;  // the same poll, this many times in a row, each firing `fired`
};

struct Scenario {
  const char* name;
  std::vector<Registration> registrations;  // ids id1, id2... in this order
  std::vector<Poll> polls;
};

}  // namespace

TEST(PollHotkeys, FiresEachPressOnceByItsTriggerModifiersAndSecondKey) {
  const Scenario scenarios[] = {
      {"a held key fires once (1 s at 10 ms) and re-arms on release",
       {{vkF2}},
       {{{{vkF2, down}}, {id1}}, {{{vkF2, held}}, {}, 99}, {{}, {}}, {{{vkF2, down}}, {id1}}, {{{vkF2, held}}, {}}}},
      {"a positive code ignores taps between polls, which re-arm it",
       {{vkF2}},
       {{{{vkF2, tapped}}, {}}, {{}, {}}, {{{vkF2, down}}, {id1}}, {{{vkF2, tapped}}, {}}, {{{vkF2, down}}, {id1}}}},
      {"a negative code fires only for taps between two polls",
       {{-vkF2}},
       {{{{vkF2, tapped}}, {id1}},
        {{}, {}},
        {{{vkF2, tapped}}, {id1}},
        {{{vkF2, down}}, {}},
        {{{vkF2, held}}, {}, 50},
        {{{vkF2, tapped}}, {id1}},  // the press seen down re-armed it
        {{{vkF2, tapped}}, {}}}},   // taps found by two polls in a row are one press
      {"Ctrl held blocks F2, and releasing Ctrl while F2 is held does not fire",
       {{vkF2}},
       {{{{vkCtrl, down}, {vkF2, down}}, {}},
        {{{vkCtrl, held}, {vkF2, held}}, {}},
        {{{vkF2, held}}, {}, 5},
        {{}, {}},
        {{{vkF2, down}}, {id1}}}},
      {"the right Windows key does not count, the left one does",
       {{vkF2}, {vkF2, modLeftWin}},
       {{{{vkRightWin, held}, {vkF2, down}}, {id1}},
        {{{vkRightWin, held}}, {}},
        {{{vkLeftWin, held}, {vkF2, down}}, {id2}},
        {{}, {}},
        {{{vkLeftWin, held}, {vkRightWin, held}, {vkF2, down}}, {id2}}}},
      {"modifiers must match exactly, and a tapped modifier is not down",
       {{vkF2, modCtrl | modShift}, {vkF3, modAlt | modCtrl | modShift | modLeftWin}},
       {{{{vkCtrl, held}, {vkShift, held}, {vkF2, down}}, {id1}},
        {{}, {}},
        {{{vkCtrl, held}, {vkF2, down}}, {}},
        {{}, {}},
        {{{vkAlt, held}, {vkCtrl, held}, {vkShift, held}, {vkF2, down}}, {}},
        {{}, {}},
        {{{vkCtrl, tapped}, {vkShift, held}, {vkF2, down}}, {}},
        {{}, {}},
        {{{vkAlt, held}, {vkCtrl, held}, {vkShift, held}, {vkLeftWin, held}, {vkF3, down}}, {id2}}}},
      {"the second key counts only in the poll where the trigger is first met",
       {{vkF2, 0, vkA}, {vkF3, 0, -vkA}},
       {{{{vkF2, down}, {vkA, down}}, {id1}},
        {{}, {}},
        {{{vkF2, down}}, {}},
        {{{vkF2, held}, {vkA, down}}, {}},  // too late for this press
        {{}, {}},
        {{{vkA, held}}, {}},
        {{{vkA, held}, {vkF2, down}}, {id1}},
        {{}, {}},
        {{{vkF2, down}, {vkA, tapped}}, {}},
        {{}, {}},
        {{{vkF3, down}, {vkA, held}}, {id2}}}},
      {"0x171 and 0x71 are different entries watching the same key",
       {{vkF2}, {0x171}, {-0x171}},
       {{{{vkF2, down}}, {id1, id2}}, {{}, {}}, {{{vkF2, tapped}}, {id3}}}},
      {"entries fire in table order",
       {{vkF4}, {vkF2}, {vkF3}},
       {{{{vkF2, down}, {vkF3, down}, {vkF4, down}}, {id1, id2, id3}}}},
      {"the first and the last key of the snapshot",
       {{255}, {0x7FFFFFFF}, {-1}},
       {{{{255, down}}, {id1, id2}}, {{{255, held}, {1, tapped}}, {id3}}, {{{255, held}, {1, held}}, {}}}},
  };
  for (const Scenario& s : scenarios) {
    Keyboard k;
    for (const Registration& r : s.registrations) {
      ASSERT_NE(registerHotkey(k.registry, callbackA, r.keyCode, r.modifiers, r.secondKey), 0) << s.name;
    }
    int n = 0;
    for (const Poll& p : s.polls) {
      for (int i = 0; i < p.times; ++i, ++n) EXPECT_EQ(k.poll(p.keys), p.fired) << s.name << ", poll " << n;
    }
  }
}
