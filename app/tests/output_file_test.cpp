#include <gtest/gtest.h>
#include <windows.h>

#include "app/output_file.h"
#include "runtime/files.h"
#include "runtime/handle_win.h"
#include "runtime/wide_win.h"

using app::appendCaptureLine;
using runtime::Bytes;
using runtime::readWholeFile;
using runtime::Text;

namespace {

class OutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    path_ = runtime::fromWide(std::wstring(base) + L"chartframe-output-" + std::to_wstring(GetCurrentProcessId()) +
                              L".txt");
    DeleteFileW(runtime::toWide(path_).c_str());
  }
  void TearDown() override {
    SetFileAttributesW(runtime::toWide(path_).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(runtime::toWide(path_).c_str());
  }
  static Bytes bytes(const char* s) { return Bytes(s, s + strlen(s)); }
  Text path_;
};

}  // namespace

TEST_F(OutputFileTest, AppendsAfterTheOldBytesIncludingAPartialLine) {
  ASSERT_TRUE(runtime::writeWholeFile(path_, bytes("1 2\r\npartial")));
  EXPECT_TRUE(appendCaptureLine(path_, "5 10\r\n"));
  EXPECT_TRUE(appendCaptureLine(path_, "-3 0\r\n"));
  EXPECT_EQ(readWholeFile(path_), bytes("1 2\r\npartial5 10\r\n-3 0\r\n"));
}

TEST_F(OutputFileTest, CreatesAMissingFile) {
  EXPECT_TRUE(appendCaptureLine(path_, "12 340\r\n"));
  EXPECT_EQ(readWholeFile(path_), bytes("12 340\r\n"));
}

TEST_F(OutputFileTest, EmptyPathWritesNothing) {
  EXPECT_FALSE(appendCaptureLine("", "1 1\r\n"));
}

TEST_F(OutputFileTest, FileThatCannotBeReadIsLeftAsItWas) {
  ASSERT_TRUE(runtime::writeWholeFile(path_, bytes("old\r\n")));
  {
    // Held open by another program that lets others read but not write.
    runtime::UniqueHandle holder(
        CreateFileW(runtime::toWide(path_).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_FALSE(appendCaptureLine(path_, "1 1\r\n"));
  }
  EXPECT_EQ(readWholeFile(path_), bytes("old\r\n"));

  ASSERT_TRUE(SetFileAttributesW(runtime::toWide(path_).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(appendCaptureLine(path_, "1 1\r\n"));
  EXPECT_EQ(readWholeFile(path_), bytes("old\r\n"));
}
