#pragma once
// The program as the Win32 tests run it: started as chartframe.exe starts,
// without its message loop, so each test pumps the UI thread itself.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

namespace app::testing_support {

// The thread that started the program: its UI thread.
extern DWORD uiThread;

// Pumps the UI thread (through the runtime's keyboard handling) until done
// holds, at most timeoutMs; the result is done's last answer.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void pumpFor(int ms);

// Runs the program's start-up up to a loaded, shown frame.
class Program : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

HWND overlay();

}  // namespace app::testing_support
