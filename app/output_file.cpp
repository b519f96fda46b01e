#include "output_file.h"

#include "runtime/files.h"
#include "runtime/values.h"

namespace app {

bool appendCaptureLine(const runtime::Text& path, const runtime::Text& line) {
  if (path.empty()) return false;
  const runtime::FileRead old = runtime::readFile(path);
  if (old.status == runtime::ReadStatus::failed) return false;
  const runtime::Bytes added = runtime::textToBytes(line);
  return runtime::writeWholeFile(path, {&old.bytes, &added});
}

}  // namespace app
