#include "overlay_skin_win.h"

#include <cstdint>

#include "app/embedded_images_win.h"
#include "app/layouts.h"
#include "runtime/window_win.h"
#include "skin/gdiplus/gdiplus_win.h"
#include "skin/skin_button_record_win.h"
#include "skin/skin_button_win.h"
#include "skin/skin_window_win.h"

namespace app {

namespace {

skin::SkinWindow* overlaySkin = nullptr;
skin::SkinButton* closeButtonSkin = nullptr;
// GDI+ is never shut down, so nothing reads the token.
ULONG_PTR gdiplusToken = 0;

}  // namespace

void createOverlaySkins() {
  overlaySkin = skin::newSkinWindow();
  closeButtonSkin = skin::newSkinButton();
}

void startGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread, external codecs
  Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr);
}

void bindOverlaySkin() {
  const HWND frame = windowHandleOf({&overlayWindow});
  const HWND closeButton = windowHandleOf({&overlayWindow, "按钮1"});
  overlaySkin->methods->attach(overlaySkin, frame);
  // The first picture shows the frame alone: the button is not skinned yet.
  overlaySkin->methods->setBackImageFromBytes(overlaySkin, frameImage());
  closeButtonSkin->methods->bind(closeButtonSkin, closeButton, nullptr, false);
  const runtime::Bytes none;
  closeButtonSkin->methods->setStateImagesFromBytes(closeButtonSkin, closeNormalImage(), true, closeOverImage(), true,
                                                    closeDownImage(), true, none, false);
  // Hands the button to the layered window's child procedures and composes again.
  overlaySkin->methods->refresh(overlaySkin);
}

void recomposeOverlaySkin() {
  if (overlaySkin && overlaySkin->window) overlaySkin->methods->refresh(overlaySkin);
}

void destroyOverlaySkin() {
  if (!overlaySkin) return;
  overlaySkin->methods->destroy(overlaySkin);
  skin::freeSkinWindow(overlaySkin);
  overlaySkin = nullptr;
}

void destroyCloseButtonSkin() {
  if (!closeButtonSkin) return;
  closeButtonSkin->methods->destroy(closeButtonSkin);
  skin::freeSkinButton(closeButtonSkin);
  closeButtonSkin = nullptr;
}

}  // namespace app
