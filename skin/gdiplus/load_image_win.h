#pragma once
// Decoding embedded images.

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

// Decodes an encoded image (PNG in this program) into a GDI+ image that the
// caller owns, or nullptr for an empty block or bytes GDI+ cannot decode.
//
// The image returned owns its pixels: they are copied out of the decoded image
// into a fresh 32-bit ARGB bitmap before the stream goes away. GDI+ may read an
// image's stream long after loading (it does on Windows; Wine decodes at once),
// so an image tied to a stream would need the stream kept alive beside it for its
// whole life; the copy makes the image safe by construction at the cost of one
// copy per load.
GpImage* loadImageFromBytes(const runtime::Bytes& bytes);

}  // namespace skin
