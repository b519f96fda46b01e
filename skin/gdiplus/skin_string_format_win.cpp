#include "skin/gdiplus/skin_string_format_win.h"

namespace skin {
namespace {

void release(SkinStringFormat* self) {
  if (self->format) gdiplusDeleters.deleteStringFormat(self->format);
  self->format = nullptr;
}

void destroy(SkinStringFormat* self) {
  release(self);
}

void setHandle(SkinStringFormat* self, GpStringFormat* format) {
  release(self);
  self->format = format;
}

// A copy owns its own clone, so the two records never delete one format twice.
SkinStringFormat* copy(const SkinStringFormat* self) {
  GpStringFormat* clone = nullptr;
  if (!self->format || GdipCloneStringFormat(self->format, &clone) != Ok) return nullptr;
  return new SkinStringFormat{self->methods, clone};
}

void create(SkinStringFormat* self, INT flags, bool flagsGiven, LANGID language, bool languageGiven) {
  GpStringFormat* format = nullptr;
  const GpStatus status = GdipCreateStringFormat(flagsGiven ? flags : 0, languageGiven ? language : 0, &format);
  setHandle(self, status == Ok ? format : nullptr);
}

// The statuses of the alignment setters are of no use to any caller.
void setAlignment(SkinStringFormat* self, INT alignment) {
  GdipSetStringFormatAlign(self->format, static_cast<StringAlignment>(alignment));
}

void setLineAlignment(SkinStringFormat* self, INT alignment) {
  GdipSetStringFormatLineAlign(self->format, static_cast<StringAlignment>(alignment));
}

void setAlignments(SkinStringFormat* self, INT alignment, INT lineAlignment) {
  setAlignment(self, alignment);
  setLineAlignment(self, lineAlignment);
}

GpStringFormat* handle(const SkinStringFormat* self) {
  return self->format;
}

}  // namespace

const SkinStringFormatMethods skinStringFormatMethods = {
    .destroy = destroy,
    .copy = copy,
    .release = release,
    .create = create,
    .setAlignment = setAlignment,
    .setLineAlignment = setLineAlignment,
    .setAlignments = setAlignments,
    .setHandle = setHandle,
    .handle = handle,
};

}  // namespace skin
