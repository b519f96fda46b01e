// Reading and writing the properties of windows and controls.
#include <windows.h>

#include "controls_win.h"
#include "rules.h"
#include "state_win.h"
#include "ui_thread_win.h"
#include "values.h"
#include "wide_win.h"
#include "window.h"

namespace runtime {

namespace {

using namespace detail;

const char* nameOf(Property p) {
  switch (p) {
    case Property::left:
      return "left";
    case Property::top:
      return "top";
    case Property::width:
      return "width";
    case Property::height:
      return "height";
    case Property::visible:
      return "visible";
    case Property::mousePointer:
      return "mouse pointer";
    case Property::movable:
      return "movable";
    case Property::text:
      return "text";
    case Property::period:
      return "period";
    case Property::title:
      return "title";
    case Property::fileName:
      return "file name";
    case Property::initialDirectory:
      return "initial directory";
  }
  return "?";
}

// Class-specific properties exist only while their window is loaded.
void requireLoaded(const WindowState& s, Target t, Property p) {
  if (s.hwnd) return;
  Text where = s.layout->name;
  if (!t.control.empty()) where += "." + Text(t.control);
  fatalError("Runtime error: the property \"" + Text(nameOf(p)) + "\" of \"" + where +
             "\" was used while its window is not loaded.");
}

std::int32_t asInt(const Value& v) {
  if (const auto* n = std::get_if<std::int32_t>(&v)) return *n;
  if (const auto* b = std::get_if<Bytes>(&v)) return bytesToInt(*b);
  return truncToInt32(textToNumber(std::get<Text>(v)));
}

Text asText(const Value& v) {
  if (const auto* t = std::get_if<Text>(&v)) return *t;
  if (const auto* n = std::get_if<std::int32_t>(&v)) return intToText(*n);
  const Bytes& b = std::get<Bytes>(v);
  return Text(b.begin(), b.end());
}

Text windowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  return fromWide(text.c_str(), got);
}

// The outer rectangle: screen coordinates for a window, the parent's client
// coordinates for a control.
RECT outerRect(HWND hwnd, HWND parent) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::int32_t geometry(const RECT& r, Property p) {
  switch (p) {
    case Property::left:
      return r.left;
    case Property::top:
      return r.top;
    case Property::width:
      return r.right - r.left;
    default:
      return r.bottom - r.top;
  }
}

void setGeometry(HWND hwnd, HWND parent, Property p, std::int32_t v) {
  const RECT r = outerRect(hwnd, parent);
  int x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  switch (p) {
    case Property::left:
      x = v;
      flags |= SWP_NOSIZE;
      break;
    case Property::top:
      y = v;
      flags |= SWP_NOSIZE;
      break;
    case Property::width:
      w = v;
      flags |= SWP_NOMOVE;
      break;
    default:
      h = v;
      flags |= SWP_NOMOVE;
      break;
  }
  SetWindowPos(hwnd, nullptr, x, y, w, h, flags);
}

std::int32_t& storedGeometry(std::int32_t& left, std::int32_t& top, std::int32_t& width, std::int32_t& height,
                             Property p) {
  switch (p) {
    case Property::left:
      return left;
    case Property::top:
      return top;
    case Property::width:
      return width;
    default:
      return height;
  }
}

bool isGeometry(Property p) {
  return p == Property::left || p == Property::top || p == Property::width || p == Property::height;
}

// Shows the new pointer at once: the cursor is set where it already is, which
// makes the system ask the window under it for its cursor again.
void refreshCursor(HWND hwnd) {
  POINT p;
  GetCursorPos(&p);
  SetCursorPos(p.x, p.y);
  if (WindowFromPoint(p) == hwnd) {
    const LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, WM_MOUSEMOVE));
  }
}

Value readWindow(WindowState& s, Target t, Property p) {
  if (isGeometry(p)) {
    if (!s.hwnd) return storedGeometry(s.left, s.top, s.width, s.height, p);
    return geometry(outerRect(s.hwnd, nullptr), p);
  }
  switch (p) {
    case Property::visible:
      return std::int32_t{s.hwnd ? IsWindowVisible(s.hwnd) != 0 : s.visible};
    case Property::mousePointer:
      return intToBytes(s.pointer);
    case Property::movable:
      requireLoaded(s, t, p);
      return std::int32_t{s.movable};
    case Property::text:
      requireLoaded(s, t, p);
      return windowText(s.hwnd);
    case Property::period:
      requireLoaded(s, t, p);
      return std::int32_t{0};
    default:
      requireLoaded(s, t, p);
      return Text{};
  }
}

Value readControl(WindowState& s, ControlState& c, Target t, Property p) {
  if (isGeometry(p)) {
    if (!c.hwnd) return storedGeometry(c.left, c.top, c.width, c.height, p);
    return geometry(outerRect(c.hwnd, s.hwnd), p);
  }
  switch (p) {
    case Property::visible:
      return std::int32_t{c.hwnd ? (GetWindowLongW(c.hwnd, GWL_STYLE) & WS_VISIBLE) != 0 : c.visible};
    case Property::mousePointer:
      return intToBytes(c.pointer);
    case Property::movable:
      requireLoaded(s, t, p);
      return std::int32_t{0};
    case Property::text:
      requireLoaded(s, t, p);
      return c.hwnd ? windowText(c.hwnd) : Text{};
    case Property::period:
      requireLoaded(s, t, p);
      return c.period;
    case Property::title:
      requireLoaded(s, t, p);
      return c.title;
    case Property::fileName:
      requireLoaded(s, t, p);
      return c.fileName;
    case Property::initialDirectory:
      requireLoaded(s, t, p);
      return c.initialDirectory;
    default:
      return std::int32_t{0};
  }
}

void writeWindow(WindowState& s, Target t, Property p, const Value& v) {
  if (isGeometry(p)) {
    const std::int32_t n = p == Property::left || p == Property::top ? clampPosition(asInt(v)) : clampSize(asInt(v));
    if (s.hwnd) {
      setGeometry(s.hwnd, nullptr, p, n);
    } else {
      storedGeometry(s.left, s.top, s.width, s.height, p) = n;
      if (p == Property::left || p == Property::top) s.positionWritten = true;
    }
    return;
  }
  switch (p) {
    case Property::visible:
      if (s.hwnd)
        ShowWindow(s.hwnd, asInt(v) ? SW_SHOW : SW_HIDE);
      else
        s.visible = asInt(v) != 0;
      return;
    case Property::mousePointer:
      s.pointer = asInt(v);
      if (s.hwnd) refreshCursor(s.hwnd);
      return;
    case Property::movable:
      requireLoaded(s, t, p);
      s.movable = asInt(v) != 0;
      if (s.movable)
        GetSystemMenu(s.hwnd, TRUE);  // the system's default menu, Move included
      else
        DeleteMenu(GetSystemMenu(s.hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
      return;
    case Property::text:
      requireLoaded(s, t, p);
      SetWindowTextW(s.hwnd, toWide(asText(v)).c_str());
      return;
    default:
      requireLoaded(s, t, p);  // nothing else belongs to a window
      return;
  }
}

void writeControl(WindowState& s, ControlState& c, Target t, Property p, const Value& v) {
  if (isGeometry(p)) {
    const std::int32_t n = p == Property::left || p == Property::top ? clampPosition(asInt(v)) : clampSize(asInt(v));
    if (c.hwnd)
      setGeometry(c.hwnd, s.hwnd, p, n);
    else
      storedGeometry(c.left, c.top, c.width, c.height, p) = n;
    return;
  }
  switch (p) {
    case Property::visible:
      if (c.hwnd)
        ShowWindow(c.hwnd, asInt(v) ? SW_SHOW : SW_HIDE);
      else
        c.visible = asInt(v) != 0;
      return;
    case Property::mousePointer:
      c.pointer = asInt(v);
      if (c.hwnd) refreshCursor(c.hwnd);
      return;
    case Property::text:
      requireLoaded(s, t, p);
      if (c.hwnd) SetWindowTextW(c.hwnd, toWide(asText(v)).c_str());
      return;
    case Property::period:
      requireLoaded(s, t, p);
      if (c.layout->kind == ControlKind::timer) setTimerPeriod(s, c, asInt(v));
      return;
    case Property::title:
      requireLoaded(s, t, p);
      c.title = asText(v);
      return;
    case Property::fileName:
      requireLoaded(s, t, p);
      c.fileName = asText(v);
      return;
    case Property::initialDirectory:
      requireLoaded(s, t, p);
      c.initialDirectory = asText(v);
      return;
    default:
      requireLoaded(s, t, p);
      return;
  }
}

}  // namespace

Value readProperty(Target t, Property p) {
  return onUi([&]() -> Value {
    if (!t.window) return std::int32_t{0};
    WindowState& s = stateOf(t.window);
    if (t.control.empty()) return readWindow(s, t, p);
    ControlState* c = findControl(s, t.control);
    if (!c) return std::int32_t{0};  // no such control: nothing to read
    return readControl(s, *c, t, p);
  });
}

void writeProperty(Target t, Property p, const Value& v) {
  onUi([&] {
    if (!t.window) return;
    WindowState& s = stateOf(t.window);
    if (t.control.empty()) {
      writeWindow(s, t, p, v);
      return;
    }
    if (ControlState* c = findControl(s, t.control)) writeControl(s, *c, t, p, v);
  });
}

std::int32_t readInt(Target t, Property p) {
  const Value v = readProperty(t, p);
  const auto* n = std::get_if<std::int32_t>(&v);
  return n ? *n : 0;
}

Text readText(Target t, Property p) {
  Value v = readProperty(t, p);
  auto* text = std::get_if<Text>(&v);
  return text ? std::move(*text) : Text{};
}

}  // namespace runtime
