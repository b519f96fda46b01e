#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/runtime.h"
#include "runtime/system.h"
#include "runtime/wide_win.h"

using namespace runtime;

TEST(RunDirectory, IsTheExecutablesFolderWithoutTrailingBackslash) {
  wchar_t module[MAX_PATH];
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring expected = module;
  expected.resize(expected.find_last_of(L'\\'));

  const Text dir = runDirectory();
  EXPECT_EQ(toWide(dir), expected);
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
}

TEST(InitRuntime, MakesTheRunDirectoryCurrent) {
  SetCurrentDirectoryW(L"C:\\");
  initRuntime();
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(fromWide(current), runDirectory());
}

TEST(Mouse, FollowsTheCursor) {
  ASSERT_TRUE(SetCursorPos(123, 234));
  EXPECT_EQ(mouseX(), 123);
  EXPECT_EQ(mouseY(), 234);
}
