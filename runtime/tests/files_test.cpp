#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/files.h"
#include "runtime/handle_win.h"
#include "runtime/wide_win.h"

using namespace runtime;

namespace {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class FilesTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    dir_ = std::wstring(base) + L"chartframe-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           toWide(testing::UnitTest::GetInstance()->current_test_info()->name());
    CreateDirectoryW(dir_.c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        SetFileAttributesW((dir_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW((dir_ + L"\\" + name).c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(dir_.c_str());
  }

  Text path(const std::wstring& name) const { return fromWide(dir_ + L"\\" + name); }

  int entries() const {
    int n = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") ++n;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return n;
  }

  std::wstring dir_;
};

const Bytes oldContent = {'o', 'l', 'd', '\r', '\n', 'p', 'a', 'r', 't'};
const Bytes newContent = {'n', 'e', 'w'};

}  // namespace

TEST_F(FilesTest, MissingFileReadsEmptyAndCreatesNothing) {
  const FileRead r = readFile(path(L"absent.txt"));
  EXPECT_EQ(r.status, ReadStatus::missing);
  EXPECT_TRUE(readWholeFile(path(L"absent.txt")).empty());
  EXPECT_TRUE(readWholeFile(path(L"no-such-dir\\absent.txt")).empty());
  EXPECT_EQ(entries(), 0);
}

TEST_F(FilesTest, EmptyPathReadsEmptyAndWritesNothing) {
  EXPECT_TRUE(readWholeFile("").empty());
  EXPECT_EQ(readFile("").status, ReadStatus::missing);
  EXPECT_FALSE(writeWholeFile("", newContent));
}

TEST_F(FilesTest, WriteCreatesThenReplacesTheWholeContent) {
  const Text file = path(L"out.txt");
  ASSERT_TRUE(writeWholeFile(file, oldContent));
  EXPECT_EQ(readWholeFile(file), oldContent);
  ASSERT_TRUE(writeWholeFile(file, newContent));
  EXPECT_EQ(readWholeFile(file), newContent);
  const Bytes empty;
  ASSERT_TRUE(writeWholeFile(file, {&oldContent, &empty, &newContent}));
  Bytes joined = oldContent;
  joined.insert(joined.end(), newContent.begin(), newContent.end());
  EXPECT_EQ(readWholeFile(file), joined);
  EXPECT_EQ(entries(), 1);  // no temporary file left behind
}

TEST_F(FilesTest, PathsOutsideTheAnsiCodePageWork) {
  const Text file = path(L"\u6570\u636e-\u00e9.txt");
  ASSERT_TRUE(writeWholeFile(file, newContent));
  EXPECT_EQ(readWholeFile(file), newContent);
}

TEST_F(FilesTest, LockedFileStaysAsItWas) {
  const Text file = path(L"locked.txt");
  ASSERT_TRUE(writeWholeFile(file, oldContent));
  {
    // Another program holds the file open and shares nothing.
    UniqueHandle holder(CreateFileW(toWide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_EQ(readFile(file).status, ReadStatus::failed);
    EXPECT_TRUE(readWholeFile(file).empty());
    EXPECT_FALSE(writeWholeFile(file, newContent));
  }
  EXPECT_EQ(readWholeFile(file), oldContent);
  EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, FileOpenForReadingBySomeoneElseCannotBeReplaced) {
  const Text file = path(L"shared.txt");
  ASSERT_TRUE(writeWholeFile(file, oldContent));
  {
    UniqueHandle reader(
        CreateFileW(toWide(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_EQ(readWholeFile(file), oldContent);  // readers share
    EXPECT_FALSE(writeWholeFile(file, newContent));
  }
  EXPECT_EQ(readWholeFile(file), oldContent);
  EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, ReadOnlyFileStaysAsItWas) {
  const Text file = path(L"readonly.txt");
  ASSERT_TRUE(writeWholeFile(file, oldContent));
  ASSERT_TRUE(SetFileAttributesW(toWide(file).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(readWholeFile(file), oldContent);
  EXPECT_FALSE(writeWholeFile(file, newContent));
  EXPECT_EQ(readWholeFile(file), oldContent);
  EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, MissingDirectoryWritesNothing) {
  EXPECT_FALSE(writeWholeFile(path(L"no-such-dir\\out.txt"), newContent));
  EXPECT_EQ(entries(), 0);
}

TEST_F(FilesTest, DirectoryIsNoFileToReadOrReplace) {
  ASSERT_TRUE(CreateDirectoryW((dir_ + L"\\sub").c_str(), nullptr));
  EXPECT_NE(readFile(path(L"sub")).status, ReadStatus::read);
  EXPECT_FALSE(writeWholeFile(path(L"sub"), newContent));
  RemoveDirectoryW((dir_ + L"\\sub").c_str());
  EXPECT_EQ(entries(), 0);
}

TEST_F(FilesTest, RelativePathsResolveAgainstTheCurrentDirectory) {
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  ASSERT_TRUE(SetCurrentDirectoryW(dir_.c_str()));
  const bool written = writeWholeFile("123", newContent);
  SetCurrentDirectoryW(before);
  ASSERT_TRUE(written);
  EXPECT_EQ(readWholeFile(path(L"123")), newContent);
}
