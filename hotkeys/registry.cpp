#include "registry.h"

namespace hotkeys {

namespace {

constexpr int vkShift = 16;
constexpr int vkControl = 17;
constexpr int vkMenu = 18;  // Alt
constexpr int vkLeftWin = 91;

bool isDown(const KeySnapshot& snapshot, std::int32_t virtualKey) {
  return snapshot[virtualKey - 1] < 0;
}

// The right Windows key does not count, and the generic keys stand for both sides.
std::int32_t modifierMask(const KeySnapshot& snapshot) {
  std::int32_t mask = 0;
  if (isDown(snapshot, vkMenu)) mask += modAlt;
  if (isDown(snapshot, vkControl)) mask += modCtrl;
  if (isDown(snapshot, vkShift)) mask += modShift;
  if (isDown(snapshot, vkLeftWin)) mask += modLeftWin;
  return mask;
}

// Whether the entry's trigger condition holds in this poll: a positive (or zero)
// code wants the key down now, a negative one wants it up but pressed since the
// previous query.
bool triggerMet(const HotkeyEntry& entry, std::int16_t state) {
  if (state < 0) return entry.keyCode >= 0;
  if (state > 0) return entry.keyCode <= 0;
  return false;
}

}  // namespace

std::int32_t virtualKeyOf(std::int32_t code) {
  // In 64 bits, so the magnitude of the smallest int32 is defined (and names no key).
  const std::int64_t magnitude = code < 0 ? -static_cast<std::int64_t>(code) : code;
  return static_cast<std::int32_t>(magnitude & 0xFF);
}

std::int32_t registerHotkey(HotkeyRegistry& registry, HotkeyCallback callback, std::int32_t keyCode,
                            std::int32_t modifiers, std::int32_t secondKey, std::int32_t pollInterval) {
  if (virtualKeyOf(keyCode) == 0) return 0;
  // A thread started at a null routine would bring the whole process down.
  if (callback == nullptr) return 0;
  // A second key that names no key (256, -512...) is refused like such a key code.
  // Reading it as "no second key" would make the entry fire without the key the
  // caller asked for; and it must never index the snapshot (its value k - 1 would
  // lie before the first one).
  if (secondKey != 0 && virtualKeyOf(secondKey) == 0) return 0;

  for (HotkeyEntry& entry : registry.entries) {
    if (entry.keyCode == keyCode && entry.modifiers == modifiers && entry.secondKey == secondKey) {
      entry.callback = callback;  // latch, id and timer stay as they are
      return entry.id;
    }
  }

  const std::int32_t id = firstHotkeyId + static_cast<std::int32_t>(registry.entries.size());
  registry.entries.push_back({id, callback, keyCode, modifiers, secondKey, 0});
  if (id == firstHotkeyId) registry.seams.startTimer(pollInterval > 0 ? pollInterval : defaultPollInterval);
  return id;
}

void pollHotkeys(HotkeyRegistry& registry) {
  // Every key is queried once per poll, before any entry is looked at: each
  // query consumes that key's pressed-since bit, and entries sharing a key must
  // see the same state.
  KeySnapshot snapshot{};
  for (int k = 1; k <= 255; ++k) snapshot[k - 1] = registry.seams.keyState(k);
  pollHotkeys(registry, snapshot);
}

void pollHotkeys(HotkeyRegistry& registry, const KeySnapshot& snapshot) {
  for (HotkeyEntry& entry : registry.entries) {
    if (!triggerMet(entry, snapshot[virtualKeyOf(entry.keyCode) - 1])) {
      entry.latched = 0;  // re-armed for the next press
      continue;
    }
    if (entry.latched) continue;  // already fired, or was refused, for this press
    // Latched whether it fires or not: a press that began with the wrong
    // modifiers or without the second key stays refused until the key is let go.
    entry.latched = 1;
    if (modifierMask(snapshot) != entry.modifiers) continue;
    if (entry.secondKey != 0 && !isDown(snapshot, virtualKeyOf(entry.secondKey))) continue;
    registry.seams.startThread(entry.callback, entry.id);
  }
}

}  // namespace hotkeys
