#include <windows.h>

#include <atomic>

#include "files.h"
#include "handle_win.h"
#include "wide_win.h"

namespace runtime {

FileRead readFile(const Text& path) {
  if (path.empty()) return {};
  const std::wstring wide = toWide(path);
  // Readers may share, writers are denied while the file is read.
  UniqueHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return {ReadStatus::failed, {}};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return {ReadStatus::failed, {}};
  FileRead result{ReadStatus::read, Bytes(static_cast<std::size_t>(size.QuadPart))};
  DWORD done = 0;
  std::size_t at = 0;
  while (at < result.bytes.size()) {
    if (!ReadFile(file.get(), result.bytes.data() + at, static_cast<DWORD>(result.bytes.size() - at), &done,
                  nullptr) ||
        done == 0)
      return {ReadStatus::failed, {}};
    at += done;
  }
  return result;
}

Bytes readWholeFile(const Text& path) { return readFile(path).bytes; }

namespace {

bool writeAll(HANDLE file, const Bytes& block) {
  std::size_t at = 0;
  while (at < block.size()) {
    DWORD done = 0;
    if (!WriteFile(file, block.data() + at, static_cast<DWORD>(block.size() - at), &done, nullptr) || done == 0)
      return false;
    at += done;
  }
  return true;
}

// A name beside the target that no other write of this or another process uses.
std::wstring temporarySibling(const std::wstring& target) {
  static std::atomic<unsigned> counter{0};
  return target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".tmp";
}

}  // namespace

bool writeWholeFile(const Text& path, std::initializer_list<const Bytes*> blocks) {
  if (path.empty()) return false;
  const std::wstring target = toWide(path);

  // The target must be writable as it is: an existing file that is read-only or
  // held open by another program is left alone. The attribute is checked on its
  // own since a process with root rights under Wine may open such a file anyway.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  {
    UniqueHandle probe(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  }

  const std::wstring temporary = temporarySibling(target);
  {
    UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;  // missing directory, or no right to create there
    bool written = true;
    for (const Bytes* block : blocks)
      if (block && !block->empty() && !writeAll(file.get(), *block)) written = false;
    if (!written || !FlushFileBuffers(file.get())) {
      file.reset();
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace runtime
