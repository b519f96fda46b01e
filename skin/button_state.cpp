#include "skin/button_state.h"

namespace skin {

namespace {

ButtonStep forced(DrawState state) {
  ButtonStep step;
  step.setsState = true;
  step.state = code(state);
  step.force = true;
  return step;
}

}  // namespace

ButtonStep buttonStep(std::int32_t current, bool focused, ButtonEvent event, std::uintptr_t wParam) {
  switch (event) {
    case ButtonEvent::MouseMove: {
      // Only the first move onto the button counts: later moves (Over) and a
      // drag that keeps the button pressed (Down) neither track nor redraw.
      if (current == code(DrawState::Over) || current == code(DrawState::Down)) return {};
      ButtonStep step = forced(DrawState::Over);
      step.trackLeave = true;
      return step;
    }
    case ButtonEvent::MouseLeave:
      return forced(DrawState::Normal);
    case ButtonEvent::LeftDown:
      return forced(DrawState::Down);
    case ButtonEvent::LeftUp:
      return forced(current == code(DrawState::Down) ? DrawState::Over : DrawState::Normal);
    case ButtonEvent::Enable:
      return forced(wParam != 0 ? DrawState::Normal : DrawState::Disabled);
    case ButtonEvent::SetFocus: {
      ButtonStep step = current == code(DrawState::Down) ? forced(DrawState::Over) : ButtonStep{};
      step.focus = FocusChange::Set;
      return step;
    }
    case ButtonEvent::KillFocus: {
      ButtonStep step = current == code(DrawState::Over) ? forced(DrawState::Normal) : ButtonStep{};
      step.focus = FocusChange::Clear;
      return step;
    }
    case ButtonEvent::SetState: {
      ButtonStep step;
      step.setsState = true;
      step.state = code(wParam == 1 ? DrawState::Down : (focused ? DrawState::Over : DrawState::Normal));
      step.drawAfter = true;
      return step;
    }
  }
  return {};
}

}  // namespace skin
