#pragma once
// Move-only owner of a GDI object (font, brush): deleted once, on scope exit.

#include <windows.h>

namespace runtime {

class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(HGDIOBJ h) : object_(h) {}
  ~UniqueGdiObject() { reset(); }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
  UniqueGdiObject(UniqueGdiObject&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = other.object_;
      other.object_ = nullptr;
    }
    return *this;
  }

  HGDIOBJ get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void reset(HGDIOBJ h = nullptr) {
    if (object_) DeleteObject(object_);
    object_ = h;
  }

 private:
  HGDIOBJ object_ = nullptr;
};

}  // namespace runtime
