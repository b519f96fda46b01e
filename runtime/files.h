#pragma once
// Whole-file reads and writes. Relative paths resolve against the process's
// current directory. Nothing is reported: reads give an empty block on any
// failure, writes give false.

#include <initializer_list>

#include "text.h"

namespace runtime {

enum class ReadStatus {
  read,     // the file was read (it may be empty)
  missing,  // the path is empty, or no file is there
  failed,   // a file is there but could not be read (locked, no access, a directory)
};

struct FileRead {
  ReadStatus status = ReadStatus::missing;
  Bytes bytes;
};

// The whole content, read while other writers are denied, with what became of it.
FileRead readFile(const Text& path);

// The whole content; the empty block when the path is empty or the file is
// missing, unreadable or empty.
Bytes readWholeFile(const Text& path);

// Replaces the file with the blocks, in order, in one step: the content is
// written to a sibling temporary file which then takes the target's place, so a
// complete old file is never left truncated or half-written. False, with any old
// file untouched and no temporary file left, when the path is empty or the
// target cannot be written (read-only, held open by another program, missing
// directory).
bool writeWholeFile(const Text& path, std::initializer_list<const Bytes*> blocks);
inline bool writeWholeFile(const Text& path, const Bytes& block) { return writeWholeFile(path, {&block}); }

}  // namespace runtime
