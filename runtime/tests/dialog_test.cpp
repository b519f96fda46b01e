// The common dialog, driven from a worker thread as a user would.
#include <gtest/gtest.h>

#include <atomic>
#include <cwctype>
#include <thread>

#include "pump_win.h"
#include "runtime/wide_win.h"

using namespace runtime;

namespace {

std::atomic<int> ticks{0};

WindowLayout withDialog(const char* name, std::int32_t type) {
  WindowLayout w;
  w.name = name;
  w.width = 200;
  w.height = 150;
  ControlLayout d = commonDialog("通用对话框1");
  d.dialog.dialogType = type;
  d.dialog.fileName = "123";
  d.dialog.filter = ".txt";
  d.dialog.defaultExtension = ".txt";
  d.dialog.overwritePrompt = true;
  d.dialog.pathMustExist = true;
  d.dialog.title = "选择文件";
  w.controls = {d, timer("时钟1", 10)};
  w.controls[1].onPeriodic = [] { ++ticks; };
  return w;
}

BOOL CALLBACK findVisibleDialog(HWND h, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(h, cls, 16);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(h)) return TRUE;
  *reinterpret_cast<HWND*>(found) = h;
  return FALSE;
}

HWND findDialog() {
  HWND found = nullptr;
  EnumThreadWindows(uiThreadId, findVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits for the dialog, checks that timers still run, then types `name` (when
// given) into its file name box and presses `button`.
void driveDialog(const std::wstring& name, int button, std::wstring* title) {
  HWND dlg = nullptr;
  for (int i = 0; i < 500 && !(dlg = findDialog()); ++i) Sleep(20);
  if (!dlg) return;
  const int before = ticks;
  for (int i = 0; i < 500 && ticks < before + 3; ++i) Sleep(10);
  wchar_t caption[64] = {};
  GetWindowTextW(dlg, caption, 64);
  *title = caption;
  if (!name.empty()) {
    // The explorer-style dialog's name field: a combo box (cmb13) or an edit (edt1).
    HWND box = GetDlgItem(dlg, 0x47c);
    if (!box) box = GetDlgItem(dlg, 0x480);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
}

std::wstring lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

std::wstring longPath(const std::wstring& p) {
  wchar_t out[MAX_PATH] = {};
  GetLongPathNameW(p.c_str(), out, MAX_PATH);
  return out;
}

std::wstring tempFolder(const wchar_t* name) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring dir = std::wstring(base) + name;
  CreateDirectoryW(dir.c_str(), nullptr);
  return longPath(dir);
}

}  // namespace

TEST(CommonDialog, ConfirmedGivesTheFullPathWithTheDefaultExtension) {
  static const WindowLayout w = withDialog("save", 1);
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  const std::wstring folder = tempFolder(L"chartframe-dialog-save");
  DeleteFileW((folder + L"\\result.txt").c_str());
  writeProperty({&w, "通用对话框1"}, Property::initialDirectory, fromWide(folder));
  EXPECT_EQ(readText({&w, "通用对话框1"}, Property::title), "选择文件");

  std::wstring title;
  std::thread user([&] { driveDialog(L"result", IDOK, &title); });
  const bool confirmed = openCommonDialog({&w, "通用对话框1"});
  user.join();
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(title, L"选择文件");
  const std::wstring chosen = toWide(readText({&w, "通用对话框1"}, Property::fileName));
  EXPECT_EQ(lower(chosen), lower(folder + L"\\result.txt"));
}

TEST(CommonDialog, CancelledLeavesTheFileNameAsItWas) {
  static const WindowLayout w = withDialog("cancel", 1);
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  std::wstring title;
  std::thread user([&] { driveDialog(L"other", IDCANCEL, &title); });
  const bool confirmed = openCommonDialog({&w, "通用对话框1"});
  user.join();
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(readText({&w, "通用对话框1"}, Property::fileName), "123");
}

TEST(CommonDialog, OpenTypeConfirmsAnExistingFile) {
  static const WindowLayout w = [] {
    WindowLayout l = withDialog("open", 0);
    l.controls[0].dialog.fileMustExist = true;
    l.controls[0].dialog.title.clear();
    return l;
  }();
  ASSERT_TRUE(loadWindow(w));
  Loaded guard{w};
  const std::wstring folder = tempFolder(L"chartframe-dialog-open");
  const std::wstring file = folder + L"\\data.txt";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  writeProperty({&w, "通用对话框1"}, Property::fileName, fromWide(file));
  std::wstring title;
  std::thread user([&] { driveDialog(L"", IDOK, &title); });
  const bool confirmed = openCommonDialog({&w, "通用对话框1"});
  user.join();
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(lower(toWide(readText({&w, "通用对话框1"}, Property::fileName))), lower(file));
  DeleteFileW(file.c_str());
}
