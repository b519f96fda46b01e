#pragma once
// Windows built from layouts, their properties and the common dialog. Every
// operation is safe from any thread and has taken effect when it returns: the
// work, and the events it raises, run on the UI thread while the caller waits.

#include <cstdint>
#include <string_view>
#include <variant>

#include "layout.h"
#include "runtime.h"
#include "text.h"

namespace runtime {

enum class Property {
  left,
  top,
  width,
  height,
  visible,
  mousePointer,
  movable,
  text,
  period,
  title,
  fileName,
  initialDirectory
};

// The window itself (empty control name) or one of its controls, by name.
struct Target {
  const WindowLayout* window;
  std::string_view control = {};
};

// bool as int32 0/1; the mouse pointer as a byte block.
using Value = std::variant<std::int32_t, Text, Bytes>;

// Left, top, width, height, visible and mouse pointer of a window that is not
// loaded are stored (and read back) for its next load; the class-specific ones
// (movable, text, period, title, file name, initial directory) are then a
// fatal runtime error.
Value readProperty(Target target, Property property);
void writeProperty(Target target, Property property, const Value& value);
std::int32_t readInt(Target target, Property property);  // 0 unless the value is an int32
Text readText(Target target, Property property);         // "" unless the value is a text

// Loads the window from its layout: built hidden without events, then created,
// position changed and size changed raised, then shown when the layout says so.
// An already loaded window is restored or activated instead. False when the
// window could not be created. With a parent the window is owned by it; modal
// disables the parent until the window is destroyed.
bool loadWindow(const WindowLayout& window, const WindowLayout* parent = nullptr, bool modal = false);

// As loadWindow; a failed load is a fatal runtime error.
void loadStartupWindow(const WindowLayout& window);

// Runs the target's common dialog (a file dialog) modally. True when the user
// confirmed: its file name is then the full chosen path.
bool openCommonDialog(Target target);

}  // namespace runtime
