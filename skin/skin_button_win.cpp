// The SkinButton operations, in slot order, and their table.
#include "skin/skin_button_win.h"

#include "skin/button_procs_win.h"
#include "skin/button_styles_win.h"
#include "skin/codes.h"
#include "skin/gdiplus/load_image_win.h"
#include "skin/keys.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/tooltip_win.h"

namespace skin {

namespace {

// Installs the ordinary-window procedure unless the window carries one already,
// so keys::wndProc always names the procedure from before the first binding.
void subclassOnce(HWND window, WNDPROC procedure) {
  skin::subclassOnce(window, keys::wndProc, procedure);
}

void destroy(SkinButton*) {}

SkinButton* copy(const SkinButton* self) {
  return new SkinButton{self->methods, self->window};
}

bool attach(SkinButton* self, HWND button) {
  if (!IsWindow(button)) return false;
  const HWND parent = GetParent(button);
  // A parent that is itself a skinned control keeps its own procedure.
  if (readInt(parent, keys::type) == 0) subclassOnce(parent, skinParentProc);
  // The button neither clips its siblings nor hides what lies behind it, and the
  // parent paints under it: the parent's pixels are the button's background.
  changeStyle(button, WS_CLIPSIBLINGS);
  changeExStyle(button, 0, WS_EX_TRANSPARENT);
  changeStyle(parent, WS_CLIPCHILDREN);
  self->window = button;
  return true;
}

HWND handle(const SkinButton* self) {
  return self->window;
}

BOOL setProperty(SkinButton* self, const char* key, std::intptr_t value) {
  return writeProp(self->window, key, value);
}

std::intptr_t getProperty(const SkinButton* self, const char* key) {
  return readProp(self->window, key);
}

LRESULT sendMessage(SkinButton* self, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(self->window, message, wParam, lParam);
}

void setBounds(SkinButton* self, int x, bool xGiven, int y, bool yGiven, int width, bool widthGiven, int height,
               bool heightGiven, bool noRedraw) {
  const HWND window = self->window;
  RECT rect{};
  GetWindowRect(window, &rect);
  UINT flags = SWP_NOZORDER;
  if (noRedraw) flags |= SWP_NOREDRAW;
  if (!xGiven && !yGiven) flags |= SWP_NOMOVE;
  if (!widthGiven && !heightGiven) flags |= SWP_NOSIZE;
  POINT corner{rect.left, rect.top};
  if (const HWND parent = GetParent(window)) ScreenToClient(parent, &corner);
  if (!xGiven) x = corner.x;
  if (!yGiven) y = corner.y;
  if (!widthGiven) width = rect.right - rect.left;
  if (!heightGiven) height = rect.bottom - rect.top;
  SetWindowPos(window, nullptr, x, y, width, height, flags);
}

bool isWindow(const SkinButton* self) {
  return IsWindow(self->window) == 1;
}

void invalidate(SkinButton* self) {
  InvalidateRect(self->window, nullptr, FALSE);
}

void setStateImages(SkinButton* self, GpImage* normal, bool normalGiven, GpImage* over, bool overGiven, GpImage* down,
                    bool downGiven, GpImage* disabled, bool disabledGiven) {
  // Replaced images are not disposed: images under the keys belong to the
  // window for the rest of the process.
  auto store = [self](const char* key, GpImage* image, bool given) {
    if (given) setProperty(self, key, reinterpret_cast<std::intptr_t>(image));
  };
  store(keys::normalImage, normal, normalGiven);
  store(keys::overlImage, over, overGiven);
  store(keys::downImage, down, downGiven);
  store(keys::disableImage, disabled, disabledGiven);
}

void setStateImagesFromBytes(SkinButton* self, const runtime::Bytes& normal, bool normalGiven,
                             const runtime::Bytes& over, bool overGiven, const runtime::Bytes& down, bool downGiven,
                             const runtime::Bytes& disabled, bool disabledGiven) {
  // A given block that does not decode stores 0: that state falls back to the
  // normal image.
  auto decode = [](const runtime::Bytes& bytes, bool given) { return given ? loadImageFromBytes(bytes) : nullptr; };
  setStateImages(self, decode(normal, normalGiven), normalGiven, decode(over, overGiven), overGiven,
                 decode(down, downGiven), downGiven, decode(disabled, disabledGiven), disabledGiven);
}

void bind(SkinButton* self, HWND button, GpImage* normal, bool normalGiven) {
  if (!attach(self, button)) return;
  writeProp(button, keys::type, code(ControlType::Button));
  if (normalGiven && normal) setProperty(self, keys::normalImage, reinterpret_cast<std::intptr_t>(normal));
  // ORed in without clearing the type bits: a push button (type 0 or 1)
  // becomes exactly owner-drawn, so its own drawing never shows.
  changeStyle(button, 0, BS_OWNERDRAW);
  subclassOnce(button, skinButtonProc);
  invalidateWithParent(button);
}

HWND create(SkinButton* self, HWND parent, int x, int y, int width, int height, const char* text) {
  const HWND button = CreateWindowExA(WS_EX_TRANSPARENT, "Button", text, WS_CHILD | WS_VISIBLE, x, y, width, height,
                                      parent, nullptr, nullptr, nullptr);
  bind(self, button, nullptr, false);
  return button;
}

void setBackType(SkinButton* self, std::int32_t backType) {
  setProperty(self, keys::backType, backType);
}

}  // namespace

const SkinButtonMethods skinButtonMethods = {
    destroy,                  // 0
    copy,                     // 1
    attach,                   // 2
    handle,                   // 3
    setProperty,              // 4
    getProperty,              // 5
    sendMessage,              // 6
    setToolTip,               // 7
    setBounds,                // 8
    handle,                   // 9: windowHandle
    isWindow,                 // 10
    invalidate,               // 11
    sendMessage,              // 12: sendWindowMessage
    create,                   // 13
    bind,                     // 14
    setStateImages,           // 15
    setStateImagesFromBytes,  // 16
    setBackType,              // 17
};

SkinButton* newSkinButton() {
  return new SkinButton{&skinButtonMethods, nullptr};
}

void freeSkinButton(SkinButton* self) {
  delete self;
}

}  // namespace skin
