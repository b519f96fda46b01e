#pragma once
// The runtime's lifecycle.

namespace runtime {

// Must come first: prepares the runtime and makes the run directory the
// process's current directory.
void initRuntime();

}  // namespace runtime
