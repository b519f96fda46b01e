#include <gtest/gtest.h>

#include "skin/layered_button_state.h"

using namespace skin;
namespace m = skin::messages;

TEST(LayeredButtonStep, FollowsTheStateTable) {
  const struct {
    std::int32_t state;
    std::uint32_t message;
    std::uintptr_t wParam;
    ButtonStep step;
  } cases[] = {
      // entering: over, a leave request and a recomposition
      {0, m::mouseMove, 0, {1, true, true}},
      {3, m::mouseMove, 0, {1, true, true}},
      {7, m::mouseMove, 0, {1, true, true}},
      // moving on inside: nothing
      {1, m::mouseMove, 0, {1, false, false}},
      {2, m::mouseMove, 1, {2, false, false}},
      // leave: normal from anywhere, recomposed even when already normal
      {0, m::mouseLeave, 0, {0, true, false}},
      {1, m::mouseLeave, 0, {0, true, false}},
      {2, m::mouseLeave, 0, {0, true, false}},
      // press
      {0, m::leftButtonDown, 1, {2, true, false}},
      {1, m::leftButtonDown, 1, {2, true, false}},
      {2, m::leftButtonDown, 1, {2, true, false}},
      // release: over after a press, else normal
      {2, m::leftButtonUp, 0, {1, true, false}},
      {1, m::leftButtonUp, 0, {0, true, false}},
      {0, m::leftButtonUp, 0, {0, true, false}},
      {3, m::leftButtonUp, 0, {0, true, false}},
      // enable and disable
      {3, m::enable, 1, {0, true, false}},
      {1, m::enable, 2, {0, true, false}},
      {0, m::enable, 0, {3, true, false}},
      {2, m::enable, 0, {3, true, false}},
      // anything else changes nothing
      {1, 0x0100 /* WM_KEYDOWN */, 0, {1, false, false}},
      {2, 0x000F /* WM_PAINT */, 0, {2, false, false}},
      {0, 0x0007 /* WM_SETFOCUS */, 0, {0, false, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(layeredButtonStep(c.state, c.message, c.wParam), c.step)
        << "state " << c.state << " message 0x" << std::hex << c.message << " wParam " << c.wParam;
  }
}
