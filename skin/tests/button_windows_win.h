#pragma once
// Windows for the button tests: a top-level parent that paints a known pattern
// and records what reaches its own procedure, push buttons whose earlier
// procedure records what reaches it and can be told how to answer, and pixel
// read-back.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace skin::testing {

// The parent's client pixel at (x, y): red x, green y, blue 0x40 (as 0x00RRGGBB).
constexpr std::uint32_t patternAt(int x, int y) {
  return (std::uint32_t(x & 0xFF) << 16) | (std::uint32_t(y & 0xFF) << 8) | 0x40;
}

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  WINDOWPOS position;  // a copy of the request, for WM_WINDOWPOSCHANGING
};
void record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Everything the parents' and buttons' earlier procedures were sent, in order.
extern std::vector<Received> received;
std::size_t countReceived(HWND window, UINT message);

// The parent's own procedure answers colour messages with this, and WM_COMMAND
// and WM_NOTIFY with parentAnswer.
constexpr LRESULT parentBrushAnswer = 0x5151;
constexpr LRESULT parentAnswer = 77;

// A WS_POPUP parent at screen (100, 100), 200 x 150, with WS_CLIPCHILDREN,
// painting the pattern; hidden, since destroying a shown window costs Wine two
// seconds without a window manager.
HWND makeParent();
// One such parent, shown, for the whole test run: the painting tests need one
// that is on screen. It is never destroyed; its buttons are.
HWND shownParent();
// The parent's window procedure (its class procedure).
WNDPROC parentClassProc();

// A visible push button of the "Button" class at (x, y) in the parent, with
// WS_CLIPSIBLINGS. With record set, a recording procedure is put in front of the
// class procedure first: it notes every message and then asks hook (when set)
// whether to answer itself; otherwise it passes the message to the class
// procedure.
using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
extern Hook buttonHook;
HWND makeButton(HWND parent, int x, int y, int width, int height, bool record = true);

// A visible child of a recording window class; its procedure only records and
// passes on to DefWindowProcA.
HWND makeRecordingChild(HWND parent, int x, int y, int width, int height);

// Paints the parent and then every child now.
void paintNow(HWND parent);

// The window's pixels as 0x00RRGGBB, row by row, read from its window DC.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> data;
  std::uint32_t at(int x, int y) const { return data[y * width + x]; }
};
Pixels windowPixels(HWND window);
// A bitmap's pixels, the same way.
Pixels bitmapPixels(HBITMAP bitmap);

// Colour distance: the largest difference of the three channels.
int channelDistance(std::uint32_t a, std::uint32_t b);

}  // namespace skin::testing
