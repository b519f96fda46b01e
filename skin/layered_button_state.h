#pragma once
// The DrawState of a button on a layered window, driven by its messages.

#include <cstdint>

namespace skin {

// The window messages that move the state (Win32 values).
namespace messages {
inline constexpr std::uint32_t enable = 0x000A;
inline constexpr std::uint32_t mouseMove = 0x0200;
inline constexpr std::uint32_t leftButtonDown = 0x0201;
inline constexpr std::uint32_t leftButtonUp = 0x0202;
inline constexpr std::uint32_t mouseLeave = 0x02A3;
}  // namespace messages

struct ButtonStep {
  std::int32_t state;  // the state after the message
  // Store the state (even when unchanged) and recompose the parent.
  bool recompose;
  // Ask for a leave notice first (entering the button).
  bool trackLeave;
  bool operator==(const ButtonStep&) const = default;
};

// The step for a message arriving in state s: entering (a move while neither
// over nor down) gives Over and a leave request; further moves nothing; leave
// Normal; press Down; release Over after Down, else Normal; enable Normal,
// disable Disabled. Other messages change nothing.
ButtonStep layeredButtonStep(std::int32_t state, std::uint32_t message, std::uintptr_t wParam);

}  // namespace skin
