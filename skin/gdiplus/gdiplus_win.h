#pragma once
// The GDI+ flat API as the skin engine uses it: the Windows headers, the GDI+
// types (GpImage, GpFont, ...) and the Gdip* functions, visible in namespace skin.

// GDI+ needs the Windows and COM types first; the blank lines keep the order.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace skin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Deletion of the GDI+ objects the wrappers own. Tests replace an entry to see
// how often and with which handle a wrapper deletes; the program never does.
struct GdiplusDeleters {
  decltype(&GdipDeleteFont) deleteFont = &GdipDeleteFont;
  decltype(&GdipDeleteFontFamily) deleteFontFamily = &GdipDeleteFontFamily;
  decltype(&GdipDeleteStringFormat) deleteStringFormat = &GdipDeleteStringFormat;
};
extern GdiplusDeleters gdiplusDeleters;

}  // namespace skin
