#pragma once
// Layout records: what a window and its controls look like when they are built.
// The program defines each layout once, for the whole run; the runtime keys a
// window's state by the address of its WindowLayout.

#include <cstdint>
#include <optional>
#include <vector>

#include "text.h"

namespace runtime {

using Handler = void (*)();
using FeedbackHandler = std::int32_t (*)(std::int32_t a, std::int32_t b);

enum class ControlKind { label, button, editBox, timer, commonDialog };

// "Default" colour: the button face for windows and labels, the window colour
// for edit boxes.
constexpr std::int32_t defaultColour = -1;

// A font description; a control without one uses the system's default GUI font.
struct Font {
  Text face;
  std::int32_t height = 0;  // character height in pixels; 0 lets the system choose
  bool bold = false, italic = false, underline = false;
};

struct LabelStyle {
  std::int32_t effect = 0;  // 0 plain text
  std::int32_t border = 0;  // 0 none, 1 a thin line
  std::optional<Font> font;
  std::int32_t textColour = 0;  // COLORREF, black
  std::int32_t backColour = defaultColour;
  std::int32_t hAlign = 0;  // 0 left, 1 centre, 2 right
  std::int32_t vAlign = 1;  // 0 top, 1 centre, 2 bottom (single-line text)
  bool wordWrap = false;
};

struct ButtonStyle {
  bool defaultButton = false;
  std::int32_t hAlign = 1;  // 0 left, 1 centre, 2 right
  std::int32_t vAlign = 1;  // 0 top, 1 centre, 2 bottom
  std::optional<Font> font;
};

struct EditStyle {
  std::int32_t border = 1;  // 1 sunken, 0 none
  std::int32_t textColour = 0;
  std::int32_t backColour = 0xFFFFFF;
  std::optional<Font> font;
  bool hideSelection = true;
  std::int32_t maxLength = 0;  // 0 keeps the system's limit
  bool multiLine = false;
  std::int32_t alignment = 0;       // 0 left, 1 centre, 2 right
  std::int32_t inputMode = 0;       // 0 normal, 1 password, 2 digits only
  std::int32_t caseConversion = 0;  // 0 none, 1 upper, 2 lower
  std::int32_t selStart = 0, selLength = 0;
};

struct TimerSettings {
  std::int32_t period = 0;  // milliseconds; 0 does not run
};

struct FileDialogSettings {
  std::int32_t dialogType = 0;  // 0 open file, 1 save file
  Text title;                   // empty: the system's title
  Text fileName;
  Text filter;                   // description|pattern|description|pattern...
  std::int32_t filterIndex = 0;  // 0-based
  Text initialDirectory;
  Text defaultExtension;  // with or without its leading dot
  bool createPrompt = false, fileMustExist = false, overwritePrompt = false, pathMustExist = false, noChangeDir = false;
};

struct ControlLayout {
  ControlKind kind = ControlKind::label;
  Text name;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  std::optional<Text> text;  // none: the kind's default text (see defaultText)
  LabelStyle label;
  ButtonStyle button;
  EditStyle edit;
  TimerSettings timer;
  FileDialogSettings dialog;
  Handler onClicked = nullptr;
  Handler onPeriodic = nullptr;
  FeedbackHandler onFeedback = nullptr;
};

struct WindowLayout {
  Text name;
  std::int32_t left = 50, top = 50, width = 0, height = 0;
  Text title;
  std::int32_t borderStyle = 2;  // 1 resizable frame, 2 fixed frame
  bool controlBox = true, maximizeBox = false, minimizeBox = false;
  bool centred = true;
  bool movable = true, dragAnywhere = false, escCloses = true, showInTaskbar = true, alwaysOnTop = false;
  std::int32_t backColour = defaultColour;
  bool visible = true;
  Handler onCreated = nullptr, onPositionChanged = nullptr, onSizeChanged = nullptr;
  // Bound: a close request calls it instead of destroying the window.
  Handler onCloseRequested = nullptr;
  std::vector<ControlLayout> controls;
};

// The text a control starts with: the record's, else its kind's default.
inline Text defaultText(const ControlLayout& c) {
  if (c.text) return *c.text;
  switch (c.kind) {
    case ControlKind::label:
      return "标签";
    case ControlKind::button:
      return "按钮";
    default:
      return {};
  }
}

// Shorthands for records with the kind's defaults.
inline ControlLayout control(ControlKind kind, Text name, std::int32_t left, std::int32_t top, std::int32_t width,
                             std::int32_t height) {
  ControlLayout c;
  c.kind = kind;
  c.name = std::move(name);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}
inline ControlLayout label(Text name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return control(ControlKind::label, std::move(name), left, top, width, height);
}
inline ControlLayout button(Text name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  ControlLayout c = control(ControlKind::button, std::move(name), left, top, width, height);
  c.tabStop = true;
  return c;
}
inline ControlLayout editBox(Text name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  ControlLayout c = control(ControlKind::editBox, std::move(name), left, top, width, height);
  c.tabStop = true;
  return c;
}
inline ControlLayout timer(Text name, std::int32_t period = 0) {
  ControlLayout c = control(ControlKind::timer, std::move(name), 0, 0, 24, 24);
  c.visible = false;
  c.timer.period = period;
  return c;
}
inline ControlLayout commonDialog(Text name) {
  ControlLayout c = control(ControlKind::commonDialog, std::move(name), 0, 0, 32, 32);
  c.visible = false;
  return c;
}

}  // namespace runtime
