#pragma once
// The runtime's lifecycle: start, the message loop and the program's end.

#include <cstdint>

#include "layout.h"

namespace runtime {

// Must come first, on the thread that becomes the UI thread: prepares the
// runtime and makes the run directory the process's current directory.
void initRuntime();

// The routine run exactly once when the program ends: on the UI thread, after
// the windows are torn down, before the process exits.
void setExitRoutine(Handler routine);

// Dispatches messages and events. When the last loaded window is destroyed the
// loop ends, the exit routine runs and the process exits with code 0; the
// function does not return.
int runMessageLoop();

// Stops events, tears the windows down, runs the exit routine once and exits
// the process with exitCode. Callable from any thread.
[[noreturn]] void endProgram(std::int32_t exitCode);

// Receives the message of a fatal runtime error before the program ends with
// exit code -1. The default shows it in a message box.
void setFatalReporter(void (*reporter)(const Text& message));

}  // namespace runtime
