// The ends of a program, each in a process of its own (runtime_end_helper).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct Ended {
  DWORD exitCode = 0;
  std::string notes;
};

Ended runHelper(const wchar_t* mode) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir = self;
  dir.resize(dir.find_last_of(L'\\'));
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring out = std::wstring(temp) + L"runtime-end-" + mode + L".txt";
  DeleteFileW(out.c_str());

  std::wstring command = L"\"" + dir + L"\\runtime_end_helper.exe\" " + mode + L" \"" + out + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  Ended result;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "could not start the helper";
    return result;
  }
  if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 99);
    ADD_FAILURE() << "the helper did not end";
  }
  GetExitCodeProcess(pi.hProcess, &result.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  HANDLE f = CreateFileW(out.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    char buffer[1024];
    DWORD n = 0;
    ReadFile(f, buffer, sizeof buffer, &n, nullptr);
    result.notes.assign(buffer, n);
    CloseHandle(f);
  }
  DeleteFileW(out.c_str());
  return result;
}

}  // namespace

TEST(FatalError, AClassPropertyOfAnUnloadedWindowIsReportedAndEndsWithMinusOne) {
  for (const wchar_t* mode : {L"fatal-never-loaded", L"fatal-closed", L"fatal-from-worker"}) {
    const Ended e = runHelper(mode);
    EXPECT_EQ(e.exitCode, static_cast<DWORD>(-1)) << mode;
    // Reported once, then the windows go and the exit routine runs once.
    EXPECT_EQ(e.notes, "reported 1\nexit ui torn\n") << mode;
  }
}

TEST(EndProgram, TearsDownRunsTheExitRoutineOnceAndExitsWithTheCode) {
  struct Case {
    const wchar_t* mode;
    DWORD code;
  };
  for (const Case& c : {Case{L"end-from-handler", 7}, Case{L"end-from-worker", 3}, Case{L"close-requested", 5}}) {
    const Ended e = runHelper(c.mode);
    EXPECT_EQ(e.exitCode, c.code) << c.mode;
    EXPECT_EQ(e.notes, "exit ui torn\n") << c.mode;
  }
}

TEST(MessageLoop, EndsWithCodeZeroWhenTheLastWindowIsDestroyed) {
  const Ended e = runHelper(L"last-window");
  EXPECT_EQ(e.exitCode, 0u);
  EXPECT_EQ(e.notes, "exit ui torn\n");
}
