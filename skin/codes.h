#pragma once
// The small integer codes stored under the skin keys. Values read from window
// properties are plain integers; any value outside a code's list is legal and
// behaves as the code's text says (ControlType: skinned but painted as nothing;
// BackType: as Natural).

#include <cstdint>

namespace skin {

// Under keys::type.
enum class ControlType : std::int32_t {
  Picture = 2,  // painted from its back image
  Button = 3,   // painted from the image of its DrawState
  EditBox = 4,  // fill, image, border, then its window text
};

// Under keys::backType: how an image meets the control's rectangle.
enum class BackType : std::int32_t {
  Natural = 0,  // own size at the top-left, cut to the control
  Stretch = 1,  // stretched to the control
  Fit = 2,      // shrunk (never enlarged) keeping its aspect ratio, centred
};

// Under keys::drawState.
enum class DrawState : std::int32_t {
  Normal = 0,
  Over = 1,
  Down = 2,
  Disabled = 3,
};

// The raw value a code is stored as.
template <typename Code>
constexpr std::int32_t code(Code c) {
  return static_cast<std::int32_t>(c);
}

// Timer id of a layered window's caret blink, also the value under keys::time.
inline constexpr std::int32_t blinkTimerId = 64;

}  // namespace skin
