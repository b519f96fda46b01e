#include "skin/skin_window_win.h"

#include "skin/codes.h"
#include "skin/compositor_win.h"
#include "skin/gdiplus/load_image_win.h"
#include "skin/keys.h"
#include "skin/layered_procs_win.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"

namespace skin {
namespace {

// The window keeps its properties, timer and layered style.
void destroy(SkinWindow*) {}

SkinWindow* copy(const SkinWindow* self) {
  return new SkinWindow{self->methods, self->window};
}

bool attach(SkinWindow* self, HWND window) {
  if (!IsWindow(window)) return false;
  self->window = window;
  // Exactly the layered style: every other extended style bit is cleared.
  SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_LAYERED);
  // No system caret is made for the window: it would never be shown, and making
  // one would take the caret away from an edit box focused elsewhere.
  if (readProp(window, keys::time)) return true;
  startBlinkTimer(window, blinkTimerId, 500, onBlinkTimer);
  writeProp(window, keys::time, blinkTimerId);
  return true;
}

bool setBackImage(SkinWindow* self, GpImage* image) {
  if (!IsWindow(self->window) || !image) return false;
  // Images under the key belong to the window for the rest of the process: an
  // earlier one is not disposed (host code may still draw with it).
  writeProp(self->window, keys::backImage, reinterpret_cast<std::intptr_t>(image));
  compose(self->window);
  return true;
}

bool setBackImageFromBytes(SkinWindow* self, const runtime::Bytes& bytes) {
  GpImage* image = loadImageFromBytes(bytes);
  const bool stored = self->methods->setBackImage(self, image);
  // An image that was decoded but not taken belongs to no one.
  if (!stored && image) GdipDisposeImage(image);
  return stored;
}

void refresh(SkinWindow* self) {
  HWND window = self->window;
  if (!IsWindow(window)) return;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::int32_t type = readInt(child, keys::type);
    if (type == 0) continue;
    // A button bound for ordinary windows gets its earlier procedure back.
    if (const WNDPROC ordinary = readProc(child, keys::wndProc)) {
      replaceWindowProc(child, ordinary);
      removeProp(child, keys::wndProc);
    }
    if (readProp(child, keys::childWndProc)) continue;  // subclassed by an earlier refresh
    if (type == code(ControlType::Button)) {
      writeProc(child, keys::childWndProc, replaceWindowProc(child, layeredButtonProc));
    } else if (type == code(ControlType::EditBox)) {
      writeProc(child, keys::childWndProc, replaceWindowProc(child, layeredEditProc));
    }
  }
  compose(window);
}

void setBounds(SkinWindow* self, int x, bool xGiven, int y, bool yGiven, int width, bool widthGiven, int height,
               bool heightGiven, bool noRedraw) {
  RECT r = {};
  GetWindowRect(self->window, &r);
  UINT flags = SWP_NOZORDER;
  if (noRedraw) flags |= SWP_NOREDRAW;
  if (!xGiven && !yGiven) flags |= SWP_NOMOVE;
  if (!widthGiven && !heightGiven) flags |= SWP_NOSIZE;
  SetWindowPos(self->window, nullptr, xGiven ? x : r.left, yGiven ? y : r.top, widthGiven ? width : r.right - r.left,
               heightGiven ? height : r.bottom - r.top, flags);
}

HWND handle(const SkinWindow* self) {
  return self->window;
}

bool isWindow(const SkinWindow* self) {
  return IsWindow(self->window) == 1;
}

LRESULT sendMessage(SkinWindow* self, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(self->window, message, wParam, lParam);
}

}  // namespace

const SkinWindowMethods skinWindowMethods = {
    .destroy = destroy,
    .copy = copy,
    .attach = attach,
    .setBackImage = setBackImage,
    .setBackImageFromBytes = setBackImageFromBytes,
    .refresh = refresh,
    .setBounds = setBounds,
    .handle = handle,
    .isWindow = isWindow,
    .sendMessage = sendMessage,
};

SkinWindow* newSkinWindow() {
  return new SkinWindow{&skinWindowMethods, nullptr};
}

void freeSkinWindow(SkinWindow* self) {
  delete self;
}

}  // namespace skin
