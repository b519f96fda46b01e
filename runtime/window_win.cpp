// Windows built from layouts: the records, the window procedure and the load.
#include "window_win.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <memory>

#include "controls_win.h"
#include "rules.h"
#include "state_win.h"
#include "ui_thread_win.h"
#include "wide_win.h"

namespace runtime::detail {

namespace {

constexpr wchar_t windowClass[] = L"RuntimeWindow";

std::map<const WindowLayout*, std::unique_ptr<WindowState>> records;
std::map<HWND, WindowState*> loaded;

void fillBackground(HWND hwnd, HDC dc, const WindowState& s) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  UniqueGdiObject brush(CreateSolidBrush(faceColour(s.layout->backColour)));
  FillRect(dc, &rc, static_cast<HBRUSH>(brush.get()));
}

// Keeps the geometry of a window that goes, so reads give where it was.
void keepGeometry(WindowState& s) {
  RECT r;
  if (GetWindowRect(s.hwnd, &r)) {
    s.left = r.left;
    s.top = r.top;
    s.width = r.right - r.left;
    s.height = r.bottom - r.top;
  }
  for (ControlState& c : s.controls) {
    if (!c.hwnd || !GetWindowRect(c.hwnd, &r)) continue;
    MapWindowPoints(HWND_DESKTOP, s.hwnd, reinterpret_cast<POINT*>(&r), 2);
    c.left = r.left;
    c.top = r.top;
    c.width = r.right - r.left;
    c.height = r.bottom - r.top;
    c.visible = (GetWindowLongW(c.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  }
}

void windowGone(WindowState& s) {
  for (ControlState& c : s.controls) {
    c.hwnd = nullptr;
    c.font = nullptr;
    c.ownFont.reset();
    c.brush.reset();
  }
  if (s.disabledOwner) EnableWindow(s.disabledOwner, TRUE);
  s.disabledOwner = nullptr;
  loaded.erase(s.hwnd);
  s.hwnd = nullptr;
  if (loaded.empty()) lastWindowGone();
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* s = static_cast<WindowState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    s->hwnd = hwnd;
    loaded[hwnd] = s;
  }
  WindowState* s = loadedState(hwnd);
  if (!s) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND:
      fillBackground(hwnd, reinterpret_cast<HDC>(wParam), *s);
      return 1;
    case WM_MOVE:
      DefWindowProcW(hwnd, msg, wParam, lParam);
      if (s->live) raise(s->layout->onPositionChanged);
      return 0;
    case WM_SIZE:
      DefWindowProcW(hwnd, msg, wParam, lParam);
      if (s->live) raise(s->layout->onSizeChanged);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) {
        ControlState* c = findControl(*s, reinterpret_cast<HWND>(lParam));
        if (c && c->layout->kind == ControlKind::button && s->live) raise(c->layout->onClicked);
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam >= timerIdBase && wParam < timerIdBase + s->controls.size()) {
        const ControlState& c = s->controls[wParam - timerIdBase];
        if (s->live && c.period > 0) raise(c.layout->onPeriodic);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only and disabled edit boxes ask with this one
      if (ControlState* c = findControl(*s, reinterpret_cast<HWND>(lParam));
          c && c->layout->kind == ControlKind::editBox && c->brush) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, static_cast<COLORREF>(c->layout->edit.textColour));
        LOGBRUSH lb{};
        GetObjectW(c->brush.get(), sizeof lb, &lb);
        SetBkColor(dc, lb.lbColor);
        return reinterpret_cast<LRESULT>(c->brush.get());
      }
      break;
    case WM_SETCURSOR:
      // Only over the window's own client area: child controls show their own pointer.
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
        if (HCURSOR cursor = cursorFor(s->pointer)) {
          SetCursor(cursor);
          return TRUE;
        }
      }
      break;
    case WM_NCHITTEST:
      // A resizable frame without a caption also has the dialog frame, and
      // Wine then finds no sizing border in it (Windows does): name the edge
      // under the pointer where the system's own answer finds none.
      if (s->layout->borderStyle == 1) {
        const LRESULT hit = DefWindowProcW(hwnd, msg, wParam, lParam);
        if (hit != HTNOWHERE && hit != HTBORDER) return hit;
        RECT outer, inner;
        GetWindowRect(hwnd, &outer);
        GetClientRect(hwnd, &inner);
        MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&inner), 2);
        const std::int32_t edge =
            sizingEdge({outer.left, outer.top, outer.right, outer.bottom},
                       {inner.left, inner.top, inner.right, inner.bottom}, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return edge ? edge : hit;
      }
      break;
    case WM_LBUTTONDOWN:
      if (s->layout->dragAnywhere) {
        startDragMove(*s);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // Every user move (caption drag, drag anywhere, the menu's Move, the
      // keyboard) starts here; refusing it holds whether or not the system
      // also looks at the menu.
      if ((wParam & 0xFFF0) == SC_MOVE && !s->movable) return 0;
      break;
    case WM_CLOSE:
      if (s->layout->onCloseRequested && !eventsStopped()) {
        s->layout->onCloseRequested();
        return 0;
      }
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      s->live = false;
      for (std::size_t i = 0; i < s->controls.size(); ++i) KillTimer(hwnd, timerIdBase + i);
      keepGeometry(*s);
      break;
    case WM_NCDESTROY:
      windowGone(*s);
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

DWORD windowStyle(const WindowLayout& w) {
  const bool caption = !w.title.empty() || w.controlBox;
  // Without WS_POPUP the system would add a caption to every top-level window.
  DWORD style = (caption ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP) | WS_DLGFRAME | WS_CLIPCHILDREN;
  if (w.borderStyle == 1) style |= WS_THICKFRAME;
  if (w.controlBox) style |= WS_SYSMENU;
  if (w.maximizeBox) style |= WS_MAXIMIZEBOX;
  if (w.minimizeBox) style |= WS_MINIMIZEBOX;
  return style;
}

void removeMove(HWND hwnd) {
  DeleteMenu(GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
}

bool load(const WindowLayout& layout, const WindowLayout* parent, bool modal) {
  WindowState& s = stateOf(&layout);
  if (s.hwnd) {
    if (IsIconic(s.hwnd)) {
      ShowWindow(s.hwnd, SW_RESTORE);
    } else {
      SetForegroundWindow(s.hwnd);
      SetActiveWindow(s.hwnd);
    }
    return true;
  }
  if (eventsStopped()) return false;

  // Properties set at load come from the layout; stored geometry, visibility
  // and pointer carry over.
  s.movable = layout.movable;
  for (std::size_t i = 0; i < s.controls.size(); ++i) {
    ControlState& c = s.controls[i];
    c.period = std::max(layout.controls[i].timer.period, 0);
    c.title = layout.controls[i].dialog.title;
    c.fileName = layout.controls[i].dialog.fileName;
    c.initialDirectory = layout.controls[i].dialog.initialDirectory;
  }
  int x = s.left, y = s.top;
  if (layout.centred && !s.positionWritten) {
    x = (GetSystemMetrics(SM_CXSCREEN) - s.width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - s.height) / 2;
  }
  s.positionWritten = false;
  WindowState* parentState = parent ? loadedState(stateOf(parent).hwnd) : nullptr;
  HWND owner = parentState ? parentState->hwnd : layout.showInTaskbar ? nullptr : hiddenWindow();

  s.live = false;
  HWND hwnd = CreateWindowExW(0, windowClass, toWide(layout.title).c_str(), windowStyle(layout), x, y, s.width,
                              s.height, owner, nullptr, GetModuleHandleW(nullptr), &s);
  if (!hwnd) return false;
  if (layout.alwaysOnTop) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!s.movable) removeMove(hwnd);
  for (std::size_t i = 0; i < s.controls.size(); ++i) createControl(s, s.controls[i], static_cast<int>(i));

  s.live = true;
  raise(layout.onCreated);
  if (s.hwnd == hwnd) raise(layout.onPositionChanged);
  if (s.hwnd == hwnd) raise(layout.onSizeChanged);
  if (s.hwnd == hwnd && s.visible) ShowWindow(hwnd, SW_SHOW);

  if (modal && parentState && s.hwnd == hwnd) {
    s.disabledOwner = parentState->hwnd;
    EnableWindow(parentState->hwnd, FALSE);
    MSG msg;
    while (s.hwnd == hwnd) {
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
        break;
      }
      dispatchMessage(msg);
    }
  }
  return true;
}

}  // namespace

WindowState& stateOf(const WindowLayout* layout) {
  auto& slot = records[layout];
  if (!slot) {
    slot = std::make_unique<WindowState>();
    slot->layout = layout;
    slot->left = layout->left;
    slot->top = layout->top;
    slot->width = layout->width;
    slot->height = layout->height;
    slot->visible = layout->visible;
    slot->movable = layout->movable;
    slot->controls.resize(layout->controls.size());
    for (std::size_t i = 0; i < layout->controls.size(); ++i) {
      const ControlLayout& cl = layout->controls[i];
      ControlState& c = slot->controls[i];
      c.layout = &cl;
      c.left = cl.left;
      c.top = cl.top;
      c.width = cl.width;
      c.height = cl.height;
      c.visible = cl.visible;
    }
  }
  return *slot;
}

WindowState* loadedState(HWND hwnd) {
  const auto it = loaded.find(hwnd);
  return it == loaded.end() ? nullptr : it->second;
}

std::vector<HWND> loadedWindows() {
  std::vector<HWND> all;
  for (const auto& [hwnd, state] : loaded) all.push_back(hwnd);
  return all;
}

ControlState* findControl(WindowState& window, std::string_view name) {
  for (ControlState& c : window.controls)
    if (c.layout->name == name) return &c;
  return nullptr;
}

ControlState* findControl(WindowState& window, HWND hwnd) {
  if (!hwnd) return nullptr;
  for (ControlState& c : window.controls)
    if (c.hwnd == hwnd) return &c;
  return nullptr;
}

HCURSOR cursorFor(std::int32_t code) {
  const wchar_t* id = nullptr;
  switch (code) {
    case 1:
      id = IDC_ARROW;
      break;
    case 2:
      id = IDC_CROSS;
      break;
    case 3:
      id = IDC_IBEAM;
      break;
    case 11:
      id = IDC_WAIT;
      break;
    case 12:
      id = IDC_NO;
      break;
    default:
      return nullptr;
  }
  return LoadCursorW(nullptr, id);
}

void registerWindowClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.lpszClassName = windowClass;
  RegisterClassW(&wc);
  registerLabelClass();
}

}  // namespace runtime::detail

namespace runtime {

bool loadWindow(const WindowLayout& window, const WindowLayout* parent, bool modal) {
  return detail::onUi([&] { return detail::load(window, parent, modal); });
}

void loadStartupWindow(const WindowLayout& window) {
  if (!loadWindow(window))
    detail::onUi([&] { detail::fatalError("The window \"" + window.name + "\" could not be created."); });
}

}  // namespace runtime

HWND windowHandleOf(runtime::Target target) {
  using namespace runtime::detail;
  return onUi([&]() -> HWND {
    if (!target.window) return nullptr;
    WindowState& s = stateOf(target.window);
    if (target.control.empty()) return s.hwnd;
    ControlState* c = findControl(s, target.control);
    return c ? c->hwnd : nullptr;
  });
}
