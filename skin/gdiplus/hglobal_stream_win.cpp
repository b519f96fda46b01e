#include "skin/gdiplus/hglobal_stream_win.h"

#include <cstring>

namespace skin {
namespace {

void release(HGlobalStream* self) {
  if (self->stream) {
    self->stream->Release();  // the last reference frees the block
  } else if (self->block) {
    GlobalFree(self->block);
  }
  self->stream = nullptr;
  self->block = nullptr;
}

void destroy(HGlobalStream* self) {
  release(self);
}

// The block the stream uses now: writing past its end may reallocate it.
HGLOBAL currentBlock(const HGlobalStream* self) {
  HGLOBAL block = nullptr;
  if (self->stream && GetHGlobalFromStream(self->stream, &block) == S_OK) return block;
  return self->block;
}

SIZE_T size(const HGlobalStream* self) {
  const HGLOBAL block = currentBlock(self);
  return block ? GlobalSize(block) : 0;
}

runtime::Bytes bytes(const HGlobalStream* self) {
  const HGLOBAL block = currentBlock(self);
  const SIZE_T n = block ? GlobalSize(block) : 0;
  runtime::Bytes out;
  if (n == 0) return out;
  const void* at = GlobalLock(block);
  if (at) {
    out.assign(static_cast<const std::uint8_t*>(at), static_cast<const std::uint8_t*>(at) + n);
    GlobalUnlock(block);
  }
  return out;
}

IStream* create(HGlobalStream* self, const runtime::Bytes& data, bool copy) {
  release(self);
  // Moveable in both cases: streams over global memory require it, and the
  // stream may reallocate the block when it is written past its end.
  const SIZE_T n = copy ? data.size() : 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
  if (!block) return nullptr;
  if (n > 0) {
    void* at = GlobalLock(block);
    if (at) {
      std::memcpy(at, data.data(), n);
      GlobalUnlock(block);
    }
  }
  self->block = block;
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(block, TRUE, &stream) == S_OK) self->stream = stream;
  return self->stream;
}

HGlobalStream* copy(const HGlobalStream* self) {
  auto* twin = new HGlobalStream{self->methods, nullptr, nullptr};
  create(twin, bytes(self), true);
  return twin;
}

IStream* stream(const HGlobalStream* self) {
  return self->stream;
}

}  // namespace

const HGlobalStreamMethods hGlobalStreamMethods = {
    .destroy = destroy,
    .copy = copy,
    .release = release,
    .create = create,
    .stream = stream,
    .size = size,
    .bytes = bytes,
};

}  // namespace skin
