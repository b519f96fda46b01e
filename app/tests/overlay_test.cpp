// The overlay window as the program builds it, driven in-process: its geometry
// and styles at start, the close button's place, and captures through F1's
// notification into a real output file.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "app/capture_state.h"
#include "app/layouts.h"
#include "app/tests/program_win.h"
#include "hotkeys/registry_win.h"
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "runtime/wide_win.h"
#include "runtime/window_win.h"

using namespace app;
using namespace app::testing_support;
using runtime::Bytes;
using runtime::Property;

namespace {

Bytes bytes(const char* s) {
  return Bytes(s, s + strlen(s));
}

class Capture : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    path_ = runtime::fromWide(std::wstring(base) + L"chartframe-capture-" + std::to_wstring(GetCurrentProcessId()) +
                              L".txt");
    DeleteFileW(runtime::toWide(path_).c_str());
    captureState.outputPath = path_;
    captureState.xAxis = 10;
    captureState.yAxis = 20;
  }
  void TearDown() override {
    DeleteFileW(runtime::toWide(path_).c_str());
    captureState = CaptureState{};
  }

  // Puts the cursor at a place in the frame (x right of its left edge, y up
  // from the row below it), waits for the sampling timer to see it, presses F1.
  void captureAt(int x, int y) {
    RECT r;
    GetWindowRect(overlay(), &r);
    const int sx = r.left + x, sy = r.bottom - y;
    SetCursorPos(sx, sy);
    ASSERT_TRUE(pumpUntil([&] { return captureState.sampleX == sx && captureState.sampleY == sy; }));
    SendMessageW(overlay(), WM_HOTKEY, 33001, MAKELPARAM(0, VK_F1));
  }

  runtime::Text path_;
};

}  // namespace

TEST(OverlayWindow, StartsCentredTopmostWithoutCaptionOrTaskbarButton) {
  RECT r;
  GetWindowRect(overlay(), &r);
  EXPECT_EQ(r.right - r.left, 327);
  EXPECT_EQ(r.bottom - r.top, 229);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 327) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 229) / 2);
  const LONG_PTR style = GetWindowLongPtrW(overlay(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(overlay(), GWL_EXSTYLE);
  EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
  EXPECT_NE(style & WS_THICKFRAME, 0);
  EXPECT_NE(style & WS_VISIBLE, 0);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(style & WS_SYSMENU, 0);
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
  EXPECT_NE(GetWindow(overlay(), GW_OWNER), nullptr);  // owned by a hidden window: no taskbar button
}

TEST(OverlayWindow, CloseButtonFollowsTheRightEdge) {
  const runtime::Target button{&overlayWindow, "按钮1"};
  EXPECT_EQ(runtime::readInt(button, Property::left), 327 - 40);
  runtime::writeProperty({&overlayWindow}, Property::width, 500);
  EXPECT_EQ(runtime::readInt(button, Property::left), 460);
  EXPECT_EQ(runtime::readInt(button, Property::top), -3);
  runtime::writeProperty({&overlayWindow}, Property::width, 327);
  EXPECT_EQ(runtime::readInt(button, Property::left), 287);
}

TEST(OverlayWindow, SettingsWindowIsLoadedAndHidden) {
  const HWND settings = windowHandleOf({&settingsWindow});
  ASSERT_NE(settings, nullptr);
  EXPECT_FALSE(IsWindowVisible(settings));
}

TEST_F(Capture, AppendsOneLinePerPressAfterTheOldBytes) {
  ASSERT_TRUE(runtime::writeWholeFile(path_, bytes("old\r\npartial")));
  // The frame is 327 x 229: x 163 is 163 * 10 / 327 = 4.98 -> 4; y 229 is the top row -> 20.
  captureAt(163, 229);
  EXPECT_EQ(captureState.lastX, 4);
  EXPECT_EQ(captureState.lastY, 20);
  captureAt(0, 1);
  EXPECT_EQ(runtime::readWholeFile(path_), bytes("old\r\npartial4 20\r\n0 0\r\n"));
}

TEST_F(Capture, CreatesTheFileOnTheFirstPress) {
  captureAt(327 / 2, 229 / 2);
  EXPECT_EQ(runtime::readWholeFile(path_), bytes("4 9\r\n"));
}

TEST_F(Capture, WithoutAPathComputesButWritesNothing) {
  captureState.outputPath.clear();
  captureAt(327 / 2, 229 / 2);
  EXPECT_EQ(captureState.lastX, 4);
  EXPECT_EQ(captureState.lastY, 9);
  EXPECT_EQ(runtime::readFile(path_).status, runtime::ReadStatus::missing);
}

TEST_F(Capture, LockedFileIsLeftAsItWas) {
  ASSERT_TRUE(runtime::writeWholeFile(path_, bytes("keep\r\n")));
  HANDLE holder =
      CreateFileW(runtime::toWide(path_).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  captureAt(10, 10);
  CloseHandle(holder);
  EXPECT_EQ(captureState.lastX, 0);  // the values are still stored
  EXPECT_EQ(captureState.lastY, 0);
  EXPECT_EQ(runtime::readWholeFile(path_), bytes("keep\r\n"));
}

TEST(OverlayWindow, EdgesAreForResizing) {
  RECT r;
  GetWindowRect(overlay(), &r);
  const int mid = (r.top + r.bottom) / 2;
  EXPECT_EQ(SendMessageW(overlay(), WM_NCHITTEST, 0, MAKELPARAM(r.right - 1, mid)), HTRIGHT);
  EXPECT_EQ(SendMessageW(overlay(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 100, mid)), HTCLIENT);
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new app::testing_support::Program);
  return RUN_ALL_TESTS();
}
