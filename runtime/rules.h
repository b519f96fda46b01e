#pragma once
// Portable rules of the window runtime: value clamps, the timer period rule,
// the hotkey modifier mapping, the file dialog's filter and extension texts.

#include <cstdint>
#include <optional>
#include <string>

#include "text.h"

namespace runtime {

// Positions are kept within -32627..32627, sizes within 0..32627.
std::int32_t clampPosition(std::int32_t v);
std::int32_t clampSize(std::int32_t v);

// The period a timer ends up with after a write of `written`, or none when the
// write changes nothing (a negative period counts as 0; the same period leaves
// the running interval alone).
std::optional<std::int32_t> timerPeriodChange(std::int32_t current, std::int32_t written);

// Modifier codes 1 Ctrl, 2 Shift, 4 Alt and their pairs become RegisterHotKey's
// MOD_ flags; other values pass unchanged.
std::int32_t hotkeyModifiers(std::int32_t modifierCode);

// The filter as the file dialog takes it: "||" appended unless already there,
// then every '|' turned into a NUL, so the result ends with two NULs.
std::string dialogFilter(const Text& filter);

// The 1-based filter index the dialog starts with.
std::int32_t dialogFilterIndex(std::int32_t layoutIndex);

// The default extension without its leading dots: the dialog adds the dot itself.
Text dialogDefaultExtension(const Text& extension);

// The sizing edge under a point of a resizable window's frame, as the hit-test
// codes name them (HTLEFT 10 ... HTBOTTOMRIGHT 17), from the window's outer
// rectangle and its client rectangle in the same coordinates; 0 for a point
// that lies in the client area or outside the window. Where two edges meet,
// the corner.
struct Box {
  std::int32_t left, top, right, bottom;
};
std::int32_t sizingEdge(const Box& window, const Box& client, std::int32_t x, std::int32_t y);

}  // namespace runtime
