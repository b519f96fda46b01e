#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

GdiplusDeleters gdiplusDeleters;

}  // namespace skin
