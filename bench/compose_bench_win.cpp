// Times one full recomposition of a layered window (canvas, back image stretched
// over it, a skinned button, presentation to the window manager) at the overlay's
// start size and two screen sizes, against a plain copy of as many 32-bit pixels
// measured in the same run.
//
//   scripts/wine-session scripts/wine-run build/win32/bin/compose_bench.exe
#include <cstdio>
#include <cstring>
#include <vector>

#include "skin/compositor_win.h"
#include "skin/keys.h"
#include "skin/props_win.h"
#include "skin/skin_window_win.h"

using namespace skin;

namespace {

double now() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds per run of work, repeated for at least half a second (and 5 runs).
template <typename Work>
double timePerRun(Work work) {
  work();  // warm up
  int runs = 0;
  const double start = now();
  double elapsed = 0;
  while (runs < 5 || elapsed < 0.5) {
    work();
    ++runs;
    elapsed = now() - start;
  }
  return elapsed / runs;
}

GpBitmap* gradient(int w, int h) {
  GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppARGB, nullptr, &bitmap);
  for (int y = 0; y < h; ++y) {
    const ARGB grey = static_cast<ARGB>(240 - y);
    for (int x = 0; x < w; ++x) GdipBitmapSetPixel(bitmap, x, y, 0x33000000u | grey << 16 | grey << 8 | grey);
  }
  return bitmap;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ComposeBench";
  RegisterClassA(&wc);

  GpBitmap* back = gradient(329, 195);
  GpBitmap* button = gradient(39, 20);
  const struct { int width, height; } sizes[] = {{327, 229}, {1280, 1024}, {1920, 1080}};

  std::printf("%-11s %16s %14s %7s\n", "window", "compose+present", "plain copy", "ratio");
  for (const auto& size : sizes) {
    HWND window = CreateWindowExA(0, "ComposeBench", "", WS_POPUP | WS_VISIBLE, 0, 0, size.width, size.height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND close = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, size.width - 40, -3, 39, 20, window, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    writeProp(close, keys::type, 3);
    writeProp(close, keys::normalImage, reinterpret_cast<std::intptr_t>(button));
    SkinWindow skin = {&skinWindowMethods, nullptr};
    skin.methods->attach(&skin, window);
    skin.methods->setBackImage(&skin, back);
    skin.methods->refresh(&skin);
    RECT r = {};
    GetWindowRect(window, &r);

    const double composeTime = timePerRun([window] { compose(window); });

    const size_t bytes = static_cast<size_t>(r.right - r.left) * static_cast<size_t>(r.bottom - r.top) * 4;
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes, 0);
    const double copyTime = timePerRun([&] {
      std::memcpy(to.data(), from.data(), bytes);
      from[bytes / 2] = static_cast<unsigned char>(to[bytes / 3] + 1);  // keeps the copy from being dropped
    });

    char label[32];
    std::snprintf(label, sizeof label, "%ldx%ld", r.right - r.left, r.bottom - r.top);
    std::printf("%-11s %13.3f ms %11.3f ms %7.1f\n", label, composeTime * 1e3, copyTime * 1e3, composeTime / copyTime);
  }
  return 0;
}
