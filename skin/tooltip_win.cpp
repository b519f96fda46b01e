#include "skin/tooltip_win.h"

#include <commctrl.h>

#include <cstddef>
#include <string>

#include "skin/keys.h"
#include "skin/skin_button_win.h"

namespace skin {

namespace {

HWND sharedToolTip = nullptr;

// The request record in its first long form (through lParam: 44 bytes on
// 32-bit Windows): every comctl32 version accepts it.
constexpr UINT toolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
static_assert(sizeof(void*) != 4 || toolInfoSize == 44);

void makeToolTipWindow() {
  // Registers the common-control window classes with comctl32 versions that
  // need it; later calls find them registered.
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  // Not looked at: without a window, this call's messages go nowhere and the
  // next call tries again.
  sharedToolTip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  // Tips break into lines at most 1024 pixels wide and honour the text's line breaks.
  SendMessageA(sharedToolTip, TTM_SETMAXTIPWIDTH, 0, 1024);
}

}  // namespace

HWND toolTipWindow() {
  return sharedToolTip;
}

void setToolTip(SkinButton* self, const char* text, bool atCursor, bool atCursorGiven) {
  if (!sharedToolTip) makeToolTipWindow();
  const bool centred = atCursorGiven && !atCursor;

  // The control keeps its own copy of the text; ours lives for the request.
  std::string copy = text ? text : "";
  TTTOOLINFOA info{};
  info.cbSize = toolInfoSize;
  info.hwnd = self->methods->handle(self);
  info.uId = 0;
  info.lpszText = copy.data();

  if (self->methods->getProperty(self, keys::toolTips) != 0) {
    SendMessageA(sharedToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return;
  }
  // Marked before the request: a failed add is not retried.
  self->methods->setProperty(self, keys::toolTips, 1);
  info.uFlags = TTF_SUBCLASS | (centred ? TTF_CENTERTIP : 0);
  GetClientRect(info.hwnd, &info.rect);
  SendMessageA(sharedToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace skin
