#pragma once
// HGlobalStream: a block of global memory with a COM stream over it.
//
// Ownership: the stream always owns the block (it is made with delete-on-release),
// and the record holds one reference to the stream. release drops that
// reference; the block is freed by the stream's last release, so exactly once,
// and never while the stream, or an image or anyone else that took a reference to
// it, can still read it. Only a block whose stream could not be made belongs to
// the record itself, and release frees it directly.

#include <cstddef>

#include "runtime/text.h"
#include "skin/gdiplus/gdiplus_win.h"

namespace skin {

struct HGlobalStream;

// Method table, in slot order.
struct HGlobalStreamMethods {
  void (*destroy)(HGlobalStream* self);  // runs release
  // A new record (made with new) with its own block holding the same bytes.
  HGlobalStream* (*copy)(const HGlobalStream* self);
  void (*release)(HGlobalStream* self);  // drops block and stream (see above); then both 0
  // copy true: a private block holding the bytes; copy false: an empty block the
  // stream grows as it is written. Releases the earlier block first. The stream,
  // or nullptr when it could not be made.
  IStream* (*create)(HGlobalStream* self, const runtime::Bytes& bytes, bool copy);
  IStream* (*stream)(const HGlobalStream* self);
  SIZE_T (*size)(const HGlobalStream* self);           // bytes in the block
  runtime::Bytes (*bytes)(const HGlobalStream* self);  // a copy of the whole block
};
static_assert(sizeof(HGlobalStreamMethods) == 7 * sizeof(void*));
static_assert(offsetof(HGlobalStreamMethods, bytes) == 6 * sizeof(void*));

struct HGlobalStream {
  const HGlobalStreamMethods* methods;
  HGLOBAL block;
  IStream* stream;
};

extern const HGlobalStreamMethods hGlobalStreamMethods;

// A record with the table, no block and no stream.
inline HGlobalStream makeHGlobalStream() {
  return {&hGlobalStreamMethods, nullptr, nullptr};
}

}  // namespace skin
