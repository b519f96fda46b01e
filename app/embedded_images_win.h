#pragma once
// The PNG images compiled into the executable, read back as byte blocks.

#include "runtime/text.h"

namespace app {

runtime::Bytes frameImage();
runtime::Bytes closeNormalImage();
runtime::Bytes closeOverImage();
runtime::Bytes closeDownImage();

}  // namespace app
