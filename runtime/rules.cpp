#include "rules.h"

#include <algorithm>
#include <cstdint>

namespace runtime {

namespace {
constexpr std::int32_t limit = 32627;
constexpr std::int32_t modAlt = 1, modControl = 2, modShift = 4;
}  // namespace

std::int32_t clampPosition(std::int32_t v) {
  return std::clamp(v, -limit, limit);
}
std::int32_t clampSize(std::int32_t v) {
  return std::clamp(v, 0, limit);
}

std::optional<std::int32_t> timerPeriodChange(std::int32_t current, std::int32_t written) {
  const std::int32_t p = std::max(written, 0);
  if (p == current) return std::nullopt;
  return p;
}

std::int32_t hotkeyModifiers(std::int32_t modifierCode) {
  switch (modifierCode) {
    case 1:
      return modControl;
    case 2:
      return modShift;
    case 4:
      return modAlt;
    case 3:
      return modControl | modShift;
    case 5:
      return modAlt | modControl;
    case 6:
      return modAlt | modShift;
    default:
      return modifierCode;
  }
}

std::string dialogFilter(const Text& filter) {
  if (filter.empty()) return {};
  std::string f = filter;
  if (f.size() < 2 || f.compare(f.size() - 2, 2, "||") != 0) f += "||";
  std::replace(f.begin(), f.end(), '|', '\0');
  return f;
}

std::int32_t dialogFilterIndex(std::int32_t layoutIndex) {
  if (layoutIndex < 0) return 1;
  return layoutIndex == INT32_MAX ? layoutIndex : layoutIndex + 1;
}

Text dialogDefaultExtension(const Text& extension) {
  const auto start = extension.find_first_not_of('.');
  return start == Text::npos ? Text{} : extension.substr(start);
}

std::int32_t sizingEdge(const Box& window, const Box& client, std::int32_t x, std::int32_t y) {
  if (x < window.left || x >= window.right || y < window.top || y >= window.bottom) return 0;
  const bool left = x < client.left, right = x >= client.right;
  const bool top = y < client.top, bottom = y >= client.bottom;
  if (top) return left ? 13 : right ? 14 : 12;
  if (bottom) return left ? 16 : right ? 17 : 15;
  if (left) return 10;
  if (right) return 11;
  return 0;
}

}  // namespace runtime
