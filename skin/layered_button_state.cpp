#include "skin/layered_button_state.h"

#include "skin/codes.h"

namespace skin {

ButtonStep layeredButtonStep(std::int32_t s, std::uint32_t message, std::uintptr_t wParam) {
  const std::int32_t normal = code(DrawState::Normal);
  const std::int32_t over = code(DrawState::Over);
  const std::int32_t down = code(DrawState::Down);
  switch (message) {
    case messages::mouseMove:
      if (s == over || s == down) return {s, false, false};
      return {over, true, true};
    case messages::mouseLeave:
      return {normal, true, false};
    case messages::leftButtonDown:
      return {down, true, false};
    case messages::leftButtonUp:
      return {s == down ? over : normal, true, false};
    case messages::enable:
      return {wParam != 0 ? normal : code(DrawState::Disabled), true, false};
    default:
      return {s, false, false};
  }
}

}  // namespace skin
