#pragma once
// The program's start and end.

namespace app {

// Brings up the runtime and the program objects, loads the frame and runs the
// message loop until the program ends.
int startUp();

// The exit routine: frees the program objects, once, after the windows are gone.
void shutDown();

}  // namespace app
