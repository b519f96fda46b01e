// The cursor lock and the settings window as the program builds them: F2, F3
// and F4 from worker threads, moves of the frame, Save and the file dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "app/capture_state.h"
#include "app/cursor_lock_win.h"
#include "app/layouts.h"
#include "app/tests/program_win.h"
#include "hotkeys/registry_win.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "runtime/wide_win.h"
#include "runtime/window_win.h"

using namespace app;
using namespace app::testing_support;
using runtime::Property;

namespace {

// Runs fn on a worker thread, as a polled hotkey does, pumping the UI thread
// meanwhile so the property operations it waits for can run.
void onWorker(void (*fn)()) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    fn();
    done = true;
  });
  pumpUntil([&] { return done.load(); }, 10000);
  worker.join();
}

HWND settings() {
  return windowHandleOf({&settingsWindow});
}
HWND settingsControl(std::string_view name) {
  return windowHandleOf({&settingsWindow, name});
}

void placeOverlay(int left, int top, int width, int height) {
  runtime::writeProperty({&overlayWindow}, Property::width, width);
  runtime::writeProperty({&overlayWindow}, Property::height, height);
  runtime::writeProperty({&overlayWindow}, Property::left, left);
  runtime::writeProperty({&overlayWindow}, Property::top, top);
}

RECT clipRect() {
  RECT r;
  GetClipCursor(&r);
  return r;
}

bool sameRect(const RECT& r, int l, int t, int right, int bottom) {
  return r.left == l && r.top == t && r.right == right && r.bottom == bottom;
}

bool screenIsFree() {
  return sameRect(clipRect(), GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                  GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                  GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

void mouseTo(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>(x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
  in.mi.dy = static_cast<LONG>(y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void mouseButton(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
}

// Drags the frame by 30 pixels with real input, from a worker thread while the
// UI thread pumps (the move runs its own loop inside the UI thread's dispatch),
// and puts it back. True when the drag moved it.
bool dragMovesFrame() {
  RECT r;
  GetWindowRect(overlay(), &r);
  const int x = r.left + 60, y = r.top + 60;
  std::atomic<bool> done{false};
  std::thread user([&] {
    mouseTo(x, y);
    Sleep(50);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 10; ++i) {
      Sleep(20);
      mouseTo(x + 3 * i, y);
    }
    Sleep(50);
    mouseButton(MOUSEEVENTF_LEFTUP);
    Sleep(50);
    done = true;
  });
  pumpUntil([&] { return done.load(); }, 10000);
  user.join();
  pumpFor(100);
  RECT after;
  GetWindowRect(overlay(), &after);
  const bool moved = after.left != r.left;
  if (moved) runtime::writeProperty({&overlayWindow}, Property::left, r.left);
  return moved;
}

// The cursor shown with the pointer over the frame's middle.
HCURSOR cursorOverOverlay() {
  RECT r;
  GetWindowRect(overlay(), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2 + 20);
  pumpFor(100);
  CURSORINFO info{sizeof info};
  GetCursorInfo(&info);
  return info.hCursor;
}

void setEditText(std::string_view edit, const wchar_t* text) {
  SetWindowTextW(settingsControl(edit), text);
}

void clickSave() {
  SendMessageW(settingsControl("按钮1"), BM_CLICK, 0, 0);
}

}  // namespace

TEST(CursorLock, LockFreeAndMoveAgain) {
  placeOverlay(100, 200, 400, 300);
  onWorker(unlockCursor);
  ASSERT_TRUE(screenIsFree());
  EXPECT_EQ(cursorOverOverlay(), LoadCursor(nullptr, IDC_ARROW));

  onWorker(lockCursor);  // F2
  EXPECT_TRUE(sameRect(clipRect(), 100, 200, 500, 500));
  EXPECT_EQ(cursorOverOverlay(), LoadCursor(nullptr, IDC_CROSS));
  EXPECT_FALSE(dragMovesFrame());

  onWorker(unlockCursor);  // F3
  EXPECT_TRUE(screenIsFree());
  EXPECT_EQ(cursorOverOverlay(), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_TRUE(dragMovesFrame());  // and the drag locks it again: every move does
  EXPECT_TRUE(sameRect(clipRect(), 100, 200, 500, 500));

  // Any move of the frame locks it again at its new place.
  runtime::writeProperty({&overlayWindow}, Property::left, 150);
  EXPECT_TRUE(sameRect(clipRect(), 150, 200, 550, 500));
  EXPECT_FALSE(dragMovesFrame());
}

TEST(CursorLock, ShowSettingsBesideTheFrameAndFreesTheCursor) {
  placeOverlay(100, 200, 400, 300);
  ASSERT_TRUE(sameRect(clipRect(), 100, 200, 500, 500));
  const int top = runtime::readInt({&settingsWindow}, Property::top);
  onWorker(showSettings);  // F4
  EXPECT_TRUE(IsWindowVisible(settings()));
  RECT r;
  GetWindowRect(settings(), &r);
  EXPECT_EQ(r.left, 500);
  EXPECT_EQ(r.top, top);
  EXPECT_TRUE(screenIsFree());
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
}

TEST(CursorLock, HoldingF4ShowsTheSettingsOnce) {
  placeOverlay(100, 200, 400, 300);
  keybd_event(VK_F4, 0, 0, 0);
  ASSERT_TRUE(pumpUntil([] { return IsWindowVisible(settings()) != FALSE; }));
  // Hidden while F4 is still held: the held key does not show it again.
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
  pumpFor(300);
  EXPECT_FALSE(IsWindowVisible(settings()));
  keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
  pumpFor(100);
  keybd_event(VK_F4, 0, 0, 0);  // a new press shows it again
  EXPECT_TRUE(pumpUntil([] { return IsWindowVisible(settings()) != FALSE; }));
  keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
  pumpFor(50);
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
}

TEST(Save, StoresAxisValuesAndTheDialogsFileName) {
  onWorker(showSettings);
  setEditText("编辑框1", L"10");
  setEditText("编辑框2", L"20");
  clickSave();
  EXPECT_EQ(captureState.xAxis, 10);
  EXPECT_EQ(captureState.yAxis, 20);
  EXPECT_EQ(captureState.outputPath, "123");
  EXPECT_FALSE(IsWindowVisible(settings()));
  const int left = runtime::readInt({&overlayWindow}, Property::left);
  const int top = runtime::readInt({&overlayWindow}, Property::top);
  EXPECT_TRUE(sameRect(clipRect(), left, top, left + runtime::readInt({&overlayWindow}, Property::width),
                       top + runtime::readInt({&overlayWindow}, Property::height)));
}

TEST(Save, ReadsAxisTextsAsNumbers) {
  struct Case {
    const wchar_t* text;
    std::int32_t value;
  } cases[] = {
      {L"abc", 0}, {L"", 0}, {L"12.9", 12}, {L"-3.7", -3}, {L"1e3", 1000}, {L"\xFF11\xFF12", 12}, {L"  7px", 7},
  };
  for (const auto& c : cases) {
    setEditText("编辑框1", c.text);
    setEditText("编辑框2", c.text);
    clickSave();
    EXPECT_EQ(captureState.xAxis, c.value) << runtime::fromWide(c.text);
    EXPECT_EQ(captureState.yAxis, c.value) << runtime::fromWide(c.text);
  }
}

TEST(Settings, CloseRequestHidesAndKeepsTheTexts) {
  onWorker(showSettings);
  setEditText("编辑框1", L"42");
  SendMessageW(settings(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(settings()));
  EXPECT_FALSE(IsWindowVisible(settings()));
  onWorker(showSettings);
  EXPECT_TRUE(IsWindowVisible(settings()));
  EXPECT_EQ(runtime::readText({&settingsWindow, "编辑框1"}, Property::text), "42");
  runtime::writeProperty({&settingsWindow}, Property::visible, 0);
}

namespace {

BOOL CALLBACK findVisibleDialog(HWND h, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(h, cls, 16);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(h)) return TRUE;
  *reinterpret_cast<HWND*>(found) = h;
  return FALSE;
}

// Waits for the file dialog on the UI thread, types the name and presses OK.
void confirmDialogWith(const std::wstring& name) {
  HWND dlg = nullptr;
  for (int i = 0; i < 500 && !dlg; ++i) {
    EnumThreadWindows(uiThread, findVisibleDialog, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) Sleep(20);
  }
  if (!dlg) return;
  HWND box = GetDlgItem(dlg, 0x47c);  // the explorer-style name box: a combo box, or an edit
  if (!box) box = GetDlgItem(dlg, 0x480);
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
}

}  // namespace

TEST(Save, AConfirmedDialogGivesTheFullPathWithTxt) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"chartframe-save-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);

  std::thread user(confirmDialogWith, folder + L"\\points");
  SendMessageW(settingsControl("按钮2"), BM_CLICK, 0, 0);  // runs the dialog modally
  user.join();
  clickSave();
  wchar_t expected[MAX_PATH];
  GetLongPathNameW(folder.c_str(), expected, MAX_PATH);
  const runtime::Text path = captureState.outputPath;
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 11), "\\points.txt");
  wchar_t got[MAX_PATH];
  GetLongPathNameW(runtime::toWide(path.substr(0, path.size() - 11)).c_str(), got, MAX_PATH);
  EXPECT_EQ(std::wstring(got), std::wstring(expected));

  SetCurrentDirectoryW(before);
  RemoveDirectoryW(folder.c_str());
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new app::testing_support::Program);
  return RUN_ALL_TESTS();
}
