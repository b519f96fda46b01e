#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/button_state.h"

using namespace skin;

namespace {

constexpr std::int32_t N = code(DrawState::Normal), O = code(DrawState::Over), D = code(DrawState::Down),
                       X = code(DrawState::Disabled);
constexpr std::int32_t odd = 7;  // a stored value outside the codes
constexpr FocusChange keep = FocusChange::Keep, set = FocusChange::Set, clear = FocusChange::Clear;
constexpr bool focused = true, unfocused = false;

// The state after a step and how often the button is drawn for it.
struct Outcome {
  std::int32_t state;
  int draws;
};

Outcome apply(std::int32_t from, const ButtonStep& step) {
  Outcome out{from, 0};
  if (step.setsState) {
    if (setDrawStateRedraws(from, step.state, step.force)) ++out.draws;
    out.state = step.state;
  }
  if (step.drawAfter) ++out.draws;
  return out;
}

struct Row {
  std::int32_t from;
  bool focused;
  ButtonEvent event;
  std::uintptr_t wParam;
  std::int32_t to;
  int draws;
  bool trackLeave;
  FocusChange focus;
};

const Row rows[] = {
    // Mouse moves: only a move onto a button at rest tracks and draws Over.
    {N, unfocused, ButtonEvent::MouseMove, 0, O, 1, true, keep},
    {X, unfocused, ButtonEvent::MouseMove, 0, O, 1, true, keep},
    {odd, unfocused, ButtonEvent::MouseMove, 0, O, 1, true, keep},
    {O, unfocused, ButtonEvent::MouseMove, 0, O, 0, false, keep},
    {D, focused, ButtonEvent::MouseMove, 0, D, 0, false, keep},
    // Leave, press: from anywhere, redrawn even when unchanged.
    {O, unfocused, ButtonEvent::MouseLeave, 0, N, 1, false, keep},
    {D, focused, ButtonEvent::MouseLeave, 0, N, 1, false, keep},
    {N, unfocused, ButtonEvent::MouseLeave, 0, N, 1, false, keep},
    {N, unfocused, ButtonEvent::LeftDown, 0, D, 1, false, keep},
    {D, focused, ButtonEvent::LeftDown, 0, D, 1, false, keep},
    {X, unfocused, ButtonEvent::LeftDown, 0, D, 1, false, keep},
    // Release: Over only from Down.
    {D, focused, ButtonEvent::LeftUp, 0, O, 1, false, keep},
    {O, focused, ButtonEvent::LeftUp, 0, N, 1, false, keep},
    {N, unfocused, ButtonEvent::LeftUp, 0, N, 1, false, keep},
    {X, unfocused, ButtonEvent::LeftUp, 0, N, 1, false, keep},
    // Enable: any nonzero wParam enables.
    {X, unfocused, ButtonEvent::Enable, 1, N, 1, false, keep},
    {O, unfocused, ButtonEvent::Enable, 5, N, 1, false, keep},
    {N, unfocused, ButtonEvent::Enable, 0, X, 1, false, keep},
    {D, focused, ButtonEvent::Enable, 0, X, 1, false, keep},
    // Focus: recorded always; the state moves only from Down (set) or Over (kill).
    {N, unfocused, ButtonEvent::SetFocus, 0, N, 0, false, set},
    {O, unfocused, ButtonEvent::SetFocus, 0, O, 0, false, set},
    {D, unfocused, ButtonEvent::SetFocus, 0, O, 1, false, set},
    {O, focused, ButtonEvent::KillFocus, 0, N, 1, false, clear},
    {D, focused, ButtonEvent::KillFocus, 0, D, 0, false, clear},
    {N, focused, ButtonEvent::KillFocus, 0, N, 0, false, clear},
    // BM_SETSTATE: exactly 1 presses; anything else is released to Over when
    // focused, else Normal. A change draws twice, no change once.
    {N, unfocused, ButtonEvent::SetState, 1, D, 2, false, keep},
    {D, focused, ButtonEvent::SetState, 1, D, 1, false, keep},
    {D, focused, ButtonEvent::SetState, 0, O, 2, false, keep},
    {D, unfocused, ButtonEvent::SetState, 0, N, 2, false, keep},
    {O, focused, ButtonEvent::SetState, 0, O, 1, false, keep},
    {N, unfocused, ButtonEvent::SetState, 0, N, 1, false, keep},
    {D, focused, ButtonEvent::SetState, 2, O, 2, false, keep},
    {D, unfocused, ButtonEvent::SetState, 2, N, 2, false, keep},
    {N, unfocused, ButtonEvent::SetState, 0x101, N, 1, false, keep},
};

TEST(ButtonStateTest, EachEventFromEachState) {
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "from " << row.from << " focused " << row.focused << " event "
                                      << static_cast<int>(row.event) << " wParam " << row.wParam);
    const ButtonStep step = buttonStep(row.from, row.focused, row.event, row.wParam);
    const Outcome out = apply(row.from, step);
    EXPECT_EQ(out.state, row.to);
    EXPECT_EQ(out.draws, row.draws);
    EXPECT_EQ(step.trackLeave, row.trackLeave);
    EXPECT_EQ(step.focus, row.focus);
  }
}

// Runs events one after another, carrying the state and the focus flag as the
// button's properties would.
struct Sequence {
  std::int32_t state = N;
  bool focused = false;
  int draws = 0;
  int tracks = 0;

  void send(ButtonEvent event, std::uintptr_t wParam = 0) {
    const ButtonStep step = buttonStep(state, focused, event, wParam);
    if (step.focus != keep) focused = step.focus == set;
    if (step.trackLeave) ++tracks;
    const Outcome out = apply(state, step);
    state = out.state;
    draws += out.draws;
  }
};

TEST(ButtonStateTest, HoverTracksOnceAndFurtherMovesDoNothing) {
  Sequence run;
  run.send(ButtonEvent::MouseMove);
  run.send(ButtonEvent::MouseMove);
  run.send(ButtonEvent::MouseMove);
  EXPECT_EQ(run.state, O);
  EXPECT_EQ(run.tracks, 1);
  EXPECT_EQ(run.draws, 1);
}

TEST(ButtonStateTest, ClickOfAFocusedButton) {
  // Press and release without BM_SETSTATE: Down, then Over.
  Sequence plain;
  plain.send(ButtonEvent::SetFocus);
  plain.send(ButtonEvent::MouseMove);
  plain.send(ButtonEvent::LeftDown);
  EXPECT_EQ(plain.state, D);
  plain.send(ButtonEvent::LeftUp);
  EXPECT_EQ(plain.state, O);

  // The replaced procedure releases the button with BM_SETSTATE(0) before the
  // release rule runs: the focused button is Over already, and the release rule
  // then finds no Down and makes it Normal.
  Sequence released;
  released.send(ButtonEvent::SetFocus);
  released.send(ButtonEvent::MouseMove);
  released.send(ButtonEvent::LeftDown);
  released.send(ButtonEvent::SetState, 0);
  EXPECT_EQ(released.state, O);
  released.send(ButtonEvent::LeftUp);
  EXPECT_EQ(released.state, N);
}

TEST(ButtonStateTest, FocusFlagDecidesWhereAReleaseByMessageGoes) {
  Sequence run;
  run.send(ButtonEvent::SetFocus);
  run.send(ButtonEvent::SetState, 1);
  EXPECT_EQ(run.state, D);
  run.send(ButtonEvent::KillFocus);  // Down stays Down
  EXPECT_EQ(run.state, D);
  run.send(ButtonEvent::SetState, 0);
  EXPECT_EQ(run.state, N);
}

}  // namespace
