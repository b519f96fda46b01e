#pragma once
// Making and freeing SkinButton records. A program object is made unbound once
// at start-up and freed at shutdown after its destroy slot has run:
//
//   SkinButton* close = newSkinButton();
//   close->methods->bind(close, closeButton, nullptr, false);
//   close->methods->setStateImagesFromBytes(close, normal, true, over, true, down, true, {}, false);
//   ...
//   close->methods->destroy(close);
//   freeSkinButton(close);

#include "skin/skin_button_win.h"

namespace skin {

// A record with skinButtonMethods and window 0.
SkinButton* newSkinButton();
// Frees a record made by newSkinButton or by the copy slot; null is allowed.
void freeSkinButton(SkinButton* self);

}  // namespace skin
