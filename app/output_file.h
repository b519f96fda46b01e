#pragma once
// The output text file: one line per capture, appended by rewriting the whole file.

#include "runtime/text.h"

namespace app {

// Reads the whole file, appends the line's bytes and writes the whole file back.
// Nothing is written when the path is empty, or when a file is there that cannot
// be read: writing then would replace its lines with the one new line. A write
// that fails leaves the old file as it was. True when the file now ends with
// the line.
bool appendCaptureLine(const runtime::Text& path, const runtime::Text& line);

}  // namespace app
