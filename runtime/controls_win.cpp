#include "controls_win.h"

#include "rules.h"
#include "wide_win.h"

namespace runtime::detail {

namespace {

constexpr wchar_t labelClass[] = L"RuntimeLabel";
constexpr wchar_t controlProp[] = L"RuntimeControl";
constexpr UINT feedbackMessage = 0x8075;  // WM_APP + 0x75

ControlState* labelState(HWND hwnd) {
  return static_cast<ControlState*>(GetPropW(hwnd, controlProp));
}

void paintLabel(HWND hwnd, const ControlState& c) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  const LabelStyle& style = c.layout->label;
  {
    UniqueGdiObject back(CreateSolidBrush(faceColour(style.backColour)));
    FillRect(dc, &rc, static_cast<HBRUSH>(back.get()));
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(style.textColour));
  HGDIOBJ oldFont = SelectObject(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  UINT format = DT_NOCLIP;
  format |= style.hAlign == 1 ? DT_CENTER : style.hAlign == 2 ? DT_RIGHT : DT_LEFT;
  if (style.wordWrap) {
    format |= DT_WORDBREAK;
  } else {
    format |= DT_SINGLELINE;
    format |= style.vAlign == 0 ? DT_TOP : style.vAlign == 2 ? DT_BOTTOM : DT_VCENTER;
  }
  DrawTextW(dc, text.c_str(), length, &rc, format);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetPropW(hwnd, controlProp, static_cast<CREATESTRUCTW*>(reinterpret_cast<void*>(lParam))->lpCreateParams);
  } else if (msg == WM_NCDESTROY) {
    RemovePropW(hwnd, controlProp);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  ControlState* c = labelState(hwnd);
  if (!c) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT:
      paintLabel(hwnd, *c);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SETFONT:
      c->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(c->font);
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_LBUTTONDOWN:
      if (WindowState* w = loadedState(GetAncestor(hwnd, GA_ROOT)); w && w->layout->dragAnywhere) {
        startDragMove(*w);
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
        if (HCURSOR cursor = cursorFor(c->pointer)) {
          SetCursor(cursor);
          return TRUE;
        }
      }
      break;
    case feedbackMessage:
      if (c->layout->onFeedback && !eventsStopped())
        return static_cast<LRESULT>(
            c->layout->onFeedback(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam)));
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HFONT makeFont(const Font& f) {
  LOGFONTW lf{};
  lf.lfHeight = -f.height;  // negative: the character height, not the cell height
  lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = f.italic;
  lf.lfUnderline = f.underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = toWide(f.face);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

const std::optional<Font>& fontOf(const ControlLayout& c) {
  static const std::optional<Font> none;
  switch (c.kind) {
    case ControlKind::label:
      return c.label.font;
    case ControlKind::button:
      return c.button.font;
    case ControlKind::editBox:
      return c.edit.font;
    default:
      return none;
  }
}

DWORD buttonStyle(const ButtonStyle& b) {
  DWORD style = (b.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE;
  style |= b.hAlign == 0 ? BS_LEFT : b.hAlign == 2 ? BS_RIGHT : BS_CENTER;
  style |= b.vAlign == 0 ? BS_TOP : b.vAlign == 2 ? BS_BOTTOM : BS_VCENTER;
  return style;
}

DWORD editStyle(const EditStyle& e) {
  DWORD style = e.multiLine ? (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) : ES_AUTOHSCROLL;
  if (!e.hideSelection) style |= ES_NOHIDESEL;
  style |= e.alignment == 1 ? ES_CENTER : e.alignment == 2 ? ES_RIGHT : ES_LEFT;
  if (e.inputMode == 1) style |= ES_PASSWORD;
  if (e.inputMode == 2) style |= ES_NUMBER;
  if (e.caseConversion == 1) style |= ES_UPPERCASE;
  if (e.caseConversion == 2) style |= ES_LOWERCASE;
  return style;
}

}  // namespace

void registerLabelClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = labelProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = labelClass;
  RegisterClassW(&wc);
}

COLORREF faceColour(std::int32_t colour) {
  return colour == defaultColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

void createControl(WindowState& window, ControlState& c, int index) {
  const ControlLayout& layout = *c.layout;
  const wchar_t* cls = nullptr;
  DWORD style = WS_CHILD | (c.visible ? WS_VISIBLE : 0) | (layout.disabled ? WS_DISABLED : 0);
  DWORD exStyle = 0;
  void* param = nullptr;
  switch (layout.kind) {
    case ControlKind::label:
      cls = labelClass;
      if (layout.label.border) style |= WS_BORDER;
      param = &c;  // labels never take the focus, so no WS_TABSTOP
      break;
    case ControlKind::button:
      cls = L"BUTTON";
      style |= buttonStyle(layout.button) | (layout.tabStop ? WS_TABSTOP : 0);
      break;
    case ControlKind::editBox:
      cls = L"EDIT";
      style |= editStyle(layout.edit) | (layout.tabStop ? WS_TABSTOP : 0);
      if (layout.edit.border) exStyle |= WS_EX_CLIENTEDGE;
      c.brush.reset(CreateSolidBrush(layout.edit.backColour == defaultColour
                                         ? GetSysColor(COLOR_WINDOW)
                                         : static_cast<COLORREF>(layout.edit.backColour)));
      break;
    case ControlKind::timer:
      if (c.period > 0) SetTimer(window.hwnd, timerIdBase + index, static_cast<UINT>(c.period), nullptr);
      return;
    case ControlKind::commonDialog:
      return;  // shown only by openCommonDialog
  }
  c.hwnd = CreateWindowExW(exStyle, cls, toWide(defaultText(layout)).c_str(), style, c.left, c.top, c.width, c.height,
                           window.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + index)),
                           GetModuleHandleW(nullptr), param);
  if (!c.hwnd) return;
  if (const auto& f = fontOf(layout)) c.ownFont.reset(makeFont(*f));
  HFONT font = c.ownFont ? static_cast<HFONT>(c.ownFont.get()) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  c.font = font;
  if (layout.kind == ControlKind::editBox) {
    if (layout.edit.maxLength > 0) SendMessageW(c.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(layout.edit.maxLength), 0);
    SendMessageW(c.hwnd, EM_SETSEL, static_cast<WPARAM>(layout.edit.selStart),
                 static_cast<LPARAM>(layout.edit.selStart + layout.edit.selLength));
  }
}

void setTimerPeriod(WindowState& window, ControlState& c, std::int32_t period) {
  const auto change = timerPeriodChange(c.period, period);
  if (!change) return;
  const UINT_PTR id = timerIdBase + static_cast<UINT_PTR>(&c - window.controls.data());
  KillTimer(window.hwnd, id);
  c.period = *change;
  if (c.period > 0) SetTimer(window.hwnd, id, static_cast<UINT>(c.period), nullptr);
}

void startDragMove(WindowState& window) {
  if (!window.movable) return;
  POINT p;
  GetCursorPos(&p);
  ReleaseCapture();
  SendMessageW(window.hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
}

}  // namespace runtime::detail
