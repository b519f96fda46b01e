#pragma once
// System queries of the runtime.

#include <cstdint>

#include "text.h"

namespace runtime {

// The cursor's screen position. Two separate queries: a pair read one after the
// other may come from two instants.
std::int32_t mouseX();
std::int32_t mouseY();

// The directory that holds the executable, without a trailing backslash
// (C:\tools for C:\tools\app.exe, C: for an executable in a drive's root).
Text runDirectory();

// Makes the run directory the process's current directory, so relative paths
// resolve beside the executable.
void enterRunDirectory();

}  // namespace runtime
