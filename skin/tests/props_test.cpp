#include <gtest/gtest.h>

#include <cstdint>

#include "skin/keys.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"

using namespace skin;

namespace {

HWND makePopup() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(Props, AbsentKeysReadZeroAndWrittenOnesTheirValue) {
  HWND window = makePopup();
  ASSERT_NE(window, nullptr);
  for (const char* key : {keys::time, keys::backImage, keys::type, keys::backColor, keys::drawState, keys::wndProc,
                          keys::childWndProc, keys::isFoucs, keys::toolTips}) {
    EXPECT_EQ(readProp(window, key), 0) << key;
  }
  // Values are pointer-sized: a handle or an address survives whole.
  const auto address = reinterpret_cast<std::intptr_t>(&makePopup);
  EXPECT_TRUE(writeProp(window, keys::backImage, address));
  EXPECT_EQ(readProp(window, keys::backImage), address);
  EXPECT_TRUE(writeProp(window, keys::backColor, -1));
  EXPECT_EQ(readInt(window, keys::backColor), -1);
  EXPECT_EQ(removeProp(window, keys::backImage), address);
  EXPECT_EQ(readProp(window, keys::backImage), 0);
  DestroyWindow(window);
}

// Host code writes keys by their texts with the plain Win32 calls; the engine
// reads them back, and the other way round.
TEST(Props, AreTheWindowsOwnPropertiesUnderTheKeyTexts) {
  HWND window = makePopup();
  SetPropA(window, "PngControl_Type", reinterpret_cast<HANDLE>(4));
  EXPECT_EQ(readInt(window, keys::type), 4);
  writeProp(window, keys::orderColor, 0x00FF8040);
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(GetPropA(window, "PngControl_OrderColor")), 0x00FF8040);
  DestroyWindow(window);
}

namespace {

int forwarded = 0;

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) ++forwarded;
  return callStoredProc(keys::wndProc, window, message, wParam, lParam);
}

}  // namespace

TEST(Procs, SubclassOnceKeepsTheFirstReplacedProcedure) {
  HWND window = makePopup();
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  EXPECT_TRUE(subclassOnce(window, keys::wndProc, countingProc));
  EXPECT_FALSE(subclassOnce(window, keys::wndProc, countingProc));
  EXPECT_EQ(readProc(window, keys::wndProc), original);

  forwarded = 0;
  SendMessageA(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(forwarded, 1);
  // The original procedure still answers through the forwarding.
  EXPECT_TRUE(SetWindowTextA(window, "abc"));
  char text[8] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "abc");
  DestroyWindow(window);
}

TEST(Procs, AMissingStoredProcedureFallsBackToTheDefault) {
  HWND window = makePopup();
  EXPECT_EQ(callStoredProc(keys::childWndProc, window, WM_GETTEXTLENGTH, 0, 0), 0);
  DestroyWindow(window);
}
